// Injected into the program's HTML dialogs. Elements of class "button" are picture buttons: the
// background is a strip of three pictures as wide as the element (normal, hover, pressed), moved
// along by the background position. A press (either mouse button) holds the pointer until the
// release: released over the button it clicks, released elsewhere it does nothing. A button whose
// "disabled" attribute is set does not react.
(function () {
  'use strict';
  if (window.top !== window) return;
  let pressed = null;

  function isButton(element) {
    return element && element.nodeType === Node.ELEMENT_NODE && element.getAttribute('class') === 'button';
  }
  function isDisabled(element) {
    if (element.disabled === true) return true;
    const value = element.getAttribute('disabled');
    return value !== null && value.toLowerCase() !== 'false';
  }
  function look(element, frame) {
    if (element.style) element.style.backgroundPositionX = (-frame * element.offsetWidth) + 'px';
  }
  function inside(element, event) {
    const r = element.getBoundingClientRect();
    return event.clientX >= r.left && event.clientX < r.right && event.clientY >= r.top && event.clientY < r.bottom;
  }

  document.addEventListener('pointerover', function (event) {
    const element = event.target;
    if (!isButton(element) || pressed || isDisabled(element)) return;
    look(element, 1);
  }, true);

  document.addEventListener('pointerout', function (event) {
    const element = event.target;
    if (!isButton(element) || pressed) return;
    look(element, 0);
  }, true);

  document.addEventListener('pointerdown', function (event) {
    const element = event.target;
    if (!isButton(element)) return;
    event.preventDefault();
    event.stopImmediatePropagation();
    if (isDisabled(element)) return;
    pressed = element;
    element.setPointerCapture(event.pointerId);
    look(element, 2);
  }, true);

  document.addEventListener('pointerup', function (event) {
    if (!pressed) return;
    const element = pressed;
    pressed = null;
    event.preventDefault();
    event.stopImmediatePropagation();
    if (inside(element, event)) {
      look(element, 1);
      element.click();
    } else {
      look(element, 0);
    }
  }, true);

  // The pointer was taken away (another window grabbed it): the button stays as it looks.
  document.addEventListener('lostpointercapture', function (event) {
    if (pressed === event.target) pressed = null;
  }, true);

  // Our pointer handling replaces the browser's own mouse clicks on buttons: only the click the
  // release above makes reaches the page.
  document.addEventListener('mousedown', function (event) {
    if (isButton(event.target)) event.preventDefault();
  }, true);
  document.addEventListener('click', function (event) {
    if (event.isTrusted && isButton(event.target)) {
      event.preventDefault();
      event.stopImmediatePropagation();
    }
  }, true);
})();
