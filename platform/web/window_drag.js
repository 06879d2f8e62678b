// Injected into the program's HTML dialogs. A left press on the bare background of the page, of
// a table cell or of a div (not on anything drawn inside them, and not on a picture button) drags
// the window: the launcher is told where, in page coordinates, and starts the move.
(function () {
  'use strict';
  const host = window.webkit && window.webkit.messageHandlers && window.webkit.messageHandlers.ylcsHost;
  // Only the page itself moves the window, not the documents of its frames.
  if (!host || window.top !== window) return;
  // The root element counts as the page background too: where the body does not reach, a press
  // lands on it.
  const DRAG_TAGS = new Set(['HTML', 'BODY', 'TD', 'DIV']);

  document.addEventListener('mousedown', function (event) {
    const element = event.target;
    if (event.button !== 0 || !element || element.nodeType !== Node.ELEMENT_NODE) return;
    if (element.getAttribute('class') === 'button') return;
    if (!DRAG_TAGS.has(element.tagName.toUpperCase())) return;
    event.preventDefault();
    host.postMessage({ kind: 'drag', x: event.clientX, y: event.clientY });
  }, false);
})();
