// The page around the game: the canvas scaled by whole numbers to fit the window, the
// page shown when the game has ended, and the game kept when the page is hidden or left.
'use strict';

var canvas = document.getElementById('canvas');
var running = false;
// "?log" in the address shows the game's progress lines in the console; "?seed=N" plays
// the game of that seed, as QUORVANE_SEED does on the desktop.
var logging = /[?&]log\b/.test(location.search);
var seed = /[?&]seed=(\d+)/.exec(location.search);

// The game reads its pictures back from their canvases (to key out their transparent
// colour, and each frame to find what changed): canvases kept in memory do that quickly.
var getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function(kind, options) {
  if (kind === '2d')
    options = Object.assign({willReadFrequently: true}, options);
  return getContext.call(this, kind, options);
};

function fitCanvas() {
  var scale = Math.max(1, Math.floor(Math.min(innerWidth / 800, innerHeight / 600)));
  canvas.style.transform = scale > 1 ? 'scale(' + scale + ')' : '';
}

function showEnded(text) {
  running = false;
  document.getElementById('frame').hidden = true;
  document.getElementById('endtext').textContent = text;
  document.getElementById('ended').hidden = false;
  if (document.fullscreenElement)
    document.exitFullscreen().catch(function() {});
  document.getElementById('again').focus();
}

// The game in progress is written to the page's storage, as the desktop writes it when
// its window is closed.
function keepGame() {
  if (running && Module._KeepGameOfPage)
    Module._KeepGameOfPage();
}

var Module = {
  canvas: canvas,
  // The game decodes its pictures itself, when it loads them, and the browser its sounds
  // (as the game loads them too) for the page's audio, which plays once a key is pressed.
  noImageDecoding: true,
  noAudioDecoding: true,
  print: function(text) {
    if (logging)
      console.log(text);
  },
  printErr: function(text) {
    console.error(text);
  },
  preRun: [function() {
    if (seed)
      Module.ENV.QUORVANE_SEED = seed[1];
  }],
  onRuntimeInitialized: function() {
    running = true;
  },
  onExit: function() {
    showEnded('The game has ended.');
  },
  onAbort: function(what) {
    showEnded('The game stopped: ' + what);
  }
};

document.getElementById('again').addEventListener('click', function() {
  location.reload();
});
document.addEventListener('visibilitychange', function() {
  if (document.visibilityState === 'hidden')
    keepGame();
});
addEventListener('pagehide', keepGame);
addEventListener('resize', fitCanvas);
document.addEventListener('fullscreenchange', fitCanvas);
fitCanvas();
