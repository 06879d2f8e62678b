// Injected into every frame of the program's pages at document start.
// Links and forms whose raw target begins with "app:" are commands for the launcher, not
// navigations: WebKit would refuse most of them as URLs ("|" may not stand in a host), so the raw
// text is handed to the launcher as it stands in the page. The context menu never shows.
(function () {
  'use strict';
  const host = window.webkit && window.webkit.messageHandlers && window.webkit.messageHandlers.ylcsHost;
  if (!host) return;

  function send(url) {
    host.postMessage({ kind: 'app', url: String(url) });
  }

  document.addEventListener('click', function (event) {
    if (event.defaultPrevented) return;
    for (let node = event.target; node; node = node.parentNode) {
      if (node.nodeType === Node.ELEMENT_NODE && node.tagName === 'A' && node.hasAttribute('href')) {
        const href = node.getAttribute('href');
        if (href.startsWith('app:')) {
          event.preventDefault();
          send(href);
        }
        return;
      }
    }
  }, true);

  document.addEventListener('submit', function (event) {
    const form = event.target;
    const action = form && form.getAttribute ? form.getAttribute('action') : null;
    if (action && action.startsWith('app:')) {
      event.preventDefault();
      send(action);
    }
  }, true);

  document.addEventListener('contextmenu', function (event) {
    event.preventDefault();
  }, true);
})();
