// 云岭采灵: catch the falling spirit lights with the gourd, let the falling rocks pass. Mouse or
// arrow keys move the gourd; a click starts a new round after the last life is gone. Music plays
// without pause while the page is open, so muting the tab is heard at once.
(function () {
  'use strict';

  const params = new URLSearchParams(location.search);
  const account = params.get('account') || '游客';
  const server = params.get('server') || '1';
  document.title = '云岭传说 - ' + server + '服 ' + account;
  document.getElementById('who').textContent = server + '服 · ' + account;

  document.getElementById('notify').addEventListener('click', function () {
    alert('仙友 ' + account + '：云岭的灵气正在汇聚，快去采集吧！');
  });

  // --- music ------------------------------------------------------------------------------
  const AudioContextClass = window.AudioContext || window.webkitAudioContext;
  const audio = AudioContextClass ? new AudioContextClass() : null;
  const soundLabel = document.getElementById('sound');
  const SCALE = [220.0, 246.9, 277.2, 329.6, 370.0, 440.0, 493.9, 554.4];
  let master = null;
  let step = 0;
  let nextNote = 0;

  function startMusic() {
    if (!audio || master) return;
    master = audio.createGain();
    master.gain.value = 0.25;
    master.connect(audio.destination);
    // A steady drone under the melody: there is always sound.
    [110, 110.7, 165].forEach(function (frequency) {
      const oscillator = audio.createOscillator();
      const gain = audio.createGain();
      oscillator.type = 'triangle';
      oscillator.frequency.value = frequency;
      gain.gain.value = 0.18;
      oscillator.connect(gain).connect(master);
      oscillator.start();
    });
    nextNote = audio.currentTime + 0.05;
    setInterval(scheduleMelody, 100);
  }

  function playNote(frequency, at, length, volume) {
    const oscillator = audio.createOscillator();
    const gain = audio.createGain();
    oscillator.type = 'sine';
    oscillator.frequency.value = frequency;
    gain.gain.setValueAtTime(0.0001, at);
    gain.gain.exponentialRampToValueAtTime(volume, at + 0.02);
    gain.gain.exponentialRampToValueAtTime(0.0001, at + length);
    oscillator.connect(gain).connect(master);
    oscillator.start(at);
    oscillator.stop(at + length + 0.05);
  }

  function scheduleMelody() {
    while (nextNote < audio.currentTime + 0.3) {
      const pattern = [0, 2, 4, 5, 4, 2, 3, 1, 0, 3, 5, 7, 6, 4, 2, 1];
      playNote(SCALE[pattern[step % pattern.length]], nextNote, 0.45, 0.2);
      step += 1;
      nextNote += 0.25;
    }
  }

  function chime(good) {
    if (!master || audio.state !== 'running') return;
    playNote(good ? 880 : 130, audio.currentTime, good ? 0.3 : 0.5, 0.35);
  }

  function showSoundState() {
    if (!audio) soundLabel.textContent = '';
    else if (audio.state === 'running') soundLabel.textContent = '♪ 云岭仙乐';
    else soundLabel.textContent = '点击画面开启声音';
  }

  function wakeAudio() {
    if (!audio) return;
    startMusic();
    if (audio.state !== 'running') audio.resume().then(showSoundState, showSoundState);
  }

  if (audio) {
    audio.onstatechange = showSoundState;
    startMusic();
    wakeAudio();
  }
  showSoundState();

  // --- game -------------------------------------------------------------------------------
  const canvas = document.getElementById('stage');
  const context = canvas.getContext('2d');
  const W = canvas.width;
  const H = canvas.height;
  const gourd = { x: W / 2, y: H - 50, width: 90 };
  const keys = new Set();
  let things = [];
  let score = 0;
  let lives = 3;
  let spawnIn = 0;
  let last = performance.now();

  function updateBar() {
    document.getElementById('score').textContent = '灵气 ' + score;
    document.getElementById('lives').textContent = lives > 0 ? '♥'.repeat(lives) : '';
  }

  function restart() {
    things = [];
    score = 0;
    lives = 3;
    updateBar();
  }

  canvas.addEventListener('mousemove', function (event) {
    const box = canvas.getBoundingClientRect();
    gourd.x = (event.clientX - box.left) * (W / box.width);
  });
  canvas.addEventListener('mousedown', function () {
    wakeAudio();
    if (lives <= 0) restart();
  });
  window.addEventListener('keydown', function (event) {
    keys.add(event.key);
    wakeAudio();
    if (event.key === ' ' && lives <= 0) restart();
  });
  window.addEventListener('keyup', function (event) { keys.delete(event.key); });

  function spawn() {
    const rock = Math.random() < 0.28;
    things.push({
      x: 30 + Math.random() * (W - 60),
      y: -20,
      speed: 120 + Math.random() * 120 + score * 2,
      rock: rock,
      radius: rock ? 16 : 11,
      phase: Math.random() * Math.PI * 2,
    });
  }

  function update(seconds) {
    if (keys.has('ArrowLeft')) gourd.x -= 420 * seconds;
    if (keys.has('ArrowRight')) gourd.x += 420 * seconds;
    gourd.x = Math.max(gourd.width / 2, Math.min(W - gourd.width / 2, gourd.x));
    if (lives <= 0) return;
    spawnIn -= seconds;
    if (spawnIn <= 0) {
      spawn();
      spawnIn = Math.max(0.25, 0.8 - score * 0.01);
    }
    const kept = [];
    for (const thing of things) {
      thing.y += thing.speed * seconds;
      thing.phase += seconds * 4;
      const caught = thing.y > gourd.y - 20 && thing.y < gourd.y + 10 && Math.abs(thing.x - gourd.x) < gourd.width / 2;
      if (caught) {
        if (thing.rock) lives -= 1;
        else score += 1;
        chime(!thing.rock);
        updateBar();
      } else if (thing.y < H + 30) {
        kept.push(thing);
      }
    }
    things = kept;
  }

  function draw() {
    const sky = context.createLinearGradient(0, 0, 0, H);
    sky.addColorStop(0, '#10303f');
    sky.addColorStop(1, '#1d4f63');
    context.fillStyle = sky;
    context.fillRect(0, 0, W, H);
    // Mountains of the cloud ridge.
    context.fillStyle = '#0c2430';
    context.beginPath();
    context.moveTo(0, H);
    [[0, 380], [140, 250], [260, 340], [420, 200], [560, 330], [700, 230], [860, 320], [960, 270], [960, H]]
        .forEach(function (p) { context.lineTo(p[0], p[1]); });
    context.fill();

    for (const thing of things) {
      context.beginPath();
      context.arc(thing.x, thing.y, thing.radius + (thing.rock ? 0 : Math.sin(thing.phase) * 2), 0, Math.PI * 2);
      context.fillStyle = thing.rock ? '#5a4a40' : '#f7e27a';
      context.shadowColor = thing.rock ? 'transparent' : '#fff3a0';
      context.shadowBlur = thing.rock ? 0 : 18;
      context.fill();
    }
    context.shadowBlur = 0;

    // The gourd.
    context.fillStyle = '#d9771a';
    context.beginPath();
    context.ellipse(gourd.x, gourd.y, gourd.width / 2, 18, 0, 0, Math.PI * 2);
    context.fill();
    context.fillStyle = '#f2c14e';
    context.fillRect(gourd.x - 8, gourd.y - 30, 16, 14);

    context.fillStyle = '#e8f1f5';
    context.textAlign = 'center';
    if (lives <= 0) {
      context.font = '40px sans-serif';
      context.fillText('灵气耗尽 · 共采集 ' + score, W / 2, H / 2 - 10);
      context.font = '20px sans-serif';
      context.fillText('点击画面或按空格再来一局', W / 2, H / 2 + 30);
    } else if (score === 0 && things.length < 3) {
      context.font = '22px sans-serif';
      context.fillText('移动鼠标或方向键接住灵光，避开落石', W / 2, 80);
    }
  }

  function frame(now) {
    const seconds = Math.min(0.05, (now - last) / 1000);
    last = now;
    update(seconds);
    draw();
    requestAnimationFrame(frame);
  }
  updateBar();
  requestAnimationFrame(frame);
})();
