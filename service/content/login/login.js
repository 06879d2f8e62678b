// The login page's commands for the launcher: "loadgame" with the login text and the game's
// address, "minimize" and "exitgame". They leave the page as the raw address of a link the
// launcher catches ("app://loadgame|..." is no URL a browser would follow).
(function () {
  'use strict';

  const GAME_NAME = '云岭传说';
  const ACCOUNT_PATTERN = /^[A-Za-z0-9_]{1,20}$/;

  function issue(command) {
    const link = document.getElementById('command');
    link.setAttribute('href', 'app://' + command);
    link.click();
  }

  function say(text) {
    document.getElementById('message').textContent = text;
  }

  // The game's address carries the account and server itself, so a game page never depends on a
  // cookie that another account's tab may have replaced.
  function gameAddress(server, account) {
    return location.origin + '/game/play.html?server=' + encodeURIComponent(server) +
        '&account=' + encodeURIComponent(account);
  }

  function login() {
    const select = document.getElementById('server');
    const server = select.value;
    const serverName = select.options[select.selectedIndex].text;
    const account = document.getElementById('account').value.trim();
    const password = document.getElementById('password').value;
    if (!ACCOUNT_PATTERN.test(account)) {
      say('请输入账号（字母、数字或下划线，至多20位）');
      return;
    }
    if (password.length === 0) {
      say('请输入密码');
      return;
    }
    say('');
    // The login text: S<server>服-《云岭传说》<server name>-<account>.
    const loginText = 'S' + server + '服-《' + GAME_NAME + '》' + serverName + '-' + account;
    issue('loadgame|' + loginText + '|' + gameAddress(server, account));
  }

  document.getElementById('login').addEventListener('click', login);
  document.getElementById('minimize').addEventListener('click', function () { issue('minimize'); });
  document.getElementById('close').addEventListener('click', function () { issue('exitgame'); });
  document.getElementById('password').addEventListener('keydown', function (event) {
    if (event.key === 'Enter') login();
  });
  document.getElementById('account').focus();
})();
