// The page around the game: the picture fitted to the screen, the command buttons for a
// screen without keys, the player's folder kept in the browser's storage (one tab at a
// time), the player's files in and out, recordings made and watched, the page shown when
// the game has ended, and the page kept for playing offline.
'use strict';

var VERSION = '@VERSION@';
var FOLDER = '/quorvane';
var PREFIX = 'quorvane:' + FOLDER + '/';
var $ = function(id) { return document.getElementById(id); };
var canvas = $('canvas');
var running = false;
var params = new URLSearchParams(location.search);
// "?log" in the address shows the game's progress lines in the console; "?seed=N" plays
// the game of that seed, as QUORVANE_SEED does on the desktop; "?replay=URL" (of this
// site) watches a recording, "&speed=N" N times as fast.
var logging = params.has('log');
var seed = /^\d+$/.test(params.get('seed') || '') ? params.get('seed') : null;
var speed = Math.max(1, Math.min(16, parseInt(params.get('speed') || '1', 10) || 1));

// How this page plays: 'keep' (the player's game, kept in the browser), 'unkept' (a game
// of its own while another tab keeps the player's), 'watch' (a recording), or 'stopped'
// (another tab took the game over).
var mode = 'keep';
var recording = null;     // the file a recorded game is written to
var watched = null;       // {name, text} of the recording watched
var lastLines = [];       // the game's last lines, to say how a watched game came out

// The game reads its pictures back from their canvases (to key out their transparent
// colour, and each frame to find what changed): canvases kept in memory do that quickly.
var getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function(kind, options) {
  if (kind === '2d')
    options = Object.assign({willReadFrequently: true}, options);
  return getContext.call(this, kind, options);
};

// ----- One line on the page -----

function tell(text) {
  var notice = $('notice');
  notice.textContent = text;
  notice.title = text;
  notice.hidden = false;
}

// ----- The browser's storage -----

// What is known to be in the storage for each of the player's files (its text), so that
// only what changed is written: another tab's newer game is never written over with an
// old copy, and a full storage is met no more often than needed.
var stored = {};
var storageFailed = false;

function storage() {
  return window.localStorage; // throws where the site's data is blocked
}

function textOf(bytes) {
  var text = '';
  for (var i = 0; i < bytes.length; i += 0x8000)
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  return text;
}

function bytesOf(text) {
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++)
    bytes[i] = text.charCodeAt(i) & 0xff;
  return bytes;
}

// The player's own files in the folder (not the sounds beside them).
function playerFiles() {
  var FS = Module.FS, files = {};
  if (!FS)
    return files;
  try {
    FS.readdir(FOLDER).forEach(function(name) {
      var path = FOLDER + '/' + name;
      if (name !== 'sounds' && FS.isFile(FS.stat(path).mode))
        files[name] = path;
    });
  } catch (e) {
  }
  return files;
}

function keptEntries() {
  var entries = {};
  var s = storage();
  for (var i = 0; i < s.length; i++) {
    var key = s.key(i);
    if (key.indexOf(PREFIX) === 0)
      entries[key.substring(PREFIX.length)] = s.getItem(key);
  }
  return entries;
}

function cannotKeep(why) {
  if (storageFailed)
    return;
  storageFailed = true;
  tell('This browser is not keeping your game (' + why + '): it is lost when the page closes. ' +
       'To take it home, open Files (F2) and download it.');
}

// Before the game starts: the player's files, as the storage keeps them.
function restoreFolder() {
  var FS = Module.FS;
  FS.mkdirTree(FOLDER);
  if (mode !== 'keep')
    return;
  var entries;
  try {
    var s = storage();
    s.setItem('quorvane:probe', VERSION);
    s.removeItem('quorvane:probe');
    entries = keptEntries();
  } catch (e) {
    cannotKeep(e && e.name === 'QuotaExceededError' ? 'its storage is full' : 'it refuses this page any storage');
    return;
  }
  Object.keys(entries).forEach(function(name) {
    if (name.indexOf('/') >= 0 || recordingName(name))
      return;
    FS.writeFile(FOLDER + '/' + name, bytesOf(entries[name]));
    stored[name] = entries[name];
  });
}

// The game changed its files (or the page is left): what changed goes to the storage, and
// what the game removed goes from it. Recordings stay in the tab: they may be larger than
// a browser keeps, and are downloaded.
function storeFolder() {
  if (mode !== 'keep' || !Module.FS)
    return;
  try {
    var s = storage();
    var files = playerFiles();
    // Storage cleared while the game went on (the browser's "clear site data"): all is
    // written again.
    if (Object.keys(stored).length && !Object.keys(stored).some(function(n) { return s.getItem(PREFIX + n) !== null; })) {
      stored = {};
      tell('This browser cleared what it kept of your game; it is kept again from now on. ' +
           'To be sure, open Files (F2) and download it.');
    }
    Object.keys(files).forEach(function(name) {
      if (recordingName(name))
        return;
      var text = textOf(Module.FS.readFile(files[name]));
      if (stored[name] !== text) {
        s.setItem(PREFIX + name, text);
        stored[name] = text;
      }
    });
    Object.keys(stored).forEach(function(name) {
      if (!files[name]) {
        s.removeItem(PREFIX + name);
        delete stored[name];
      }
    });
  } catch (e) {
    cannotKeep(e && e.name === 'QuotaExceededError' ? 'its storage is full' : 'it refuses this page any storage');
  }
}

// The game in progress is written to the player's folder, as the desktop writes it when
// its window is closed, and so to the storage.
function keepGame() {
  if (running && mode === 'keep' && Module._KeepGameOfPage)
    Module._KeepGameOfPage();
  storeFolder();
}

function recordingName(name) {
  return /\.rec$/.test(name);
}

// ----- One tab keeps the game -----

// The tab that holds the lock keeps the player's game. Another tab asks the player: take
// the game over (the first tab keeps its game, hands it over and stops) or play a game
// here that is not kept.
var channel = window.BroadcastChannel ? new BroadcastChannel('quorvane') : null;
var LOCK = 'quorvane-player-folder';
var releaseLock = null;

function holdLock(options) {
  return new Promise(function(granted) {
    navigator.locks.request(LOCK, options, function(lock) {
      granted(!!lock);
      if (!lock)
        return null;
      // Held until the page is left, or taken by another tab.
      return new Promise(function(release) { releaseLock = release; });
    }).catch(function() {
      if (mode === 'keep')
        stopHere();
    });
  });
}

function stopHere() {
  keepGame();
  mode = 'stopped';
  running = false;
  showEnded('Your game went on in another tab, where it is kept now. This tab keeps nothing.', 'Play here again');
}

if (channel) {
  channel.onmessage = function(event) {
    if (event.data === 'hand over' && mode === 'keep') {
      stopHere();
      channel.postMessage('handed over');
    }
  };
}

function askOtherTab() {
  return new Promise(function(done) {
    if (!channel)
      return done();
    var timer = setTimeout(done, 3000);
    channel.onmessage = function(event) {
      if (event.data === 'handed over') {
        clearTimeout(timer);
        done();
      }
    };
    channel.postMessage('hand over');
  });
}

function chooseTab() {
  if (mode !== 'keep' || !navigator.locks)
    return Promise.resolve();
  // A page reloaded may find its own former document still holding the lock for a moment.
  var tries = 0;
  var again = function(held) {
    if (held || ++tries > 8)
      return held;
    return new Promise(function(done) { setTimeout(done, 250); }).then(function() {
      return holdLock({ifAvailable: true});
    }).then(again);
  };
  return holdLock({ifAvailable: true}).then(again).then(function(held) {
    if (held)
      return;
    $('tabs').hidden = false;
    $('takeover').focus();
    return new Promise(function(done) {
      $('takeover').onclick = function() {
        $('tabs').hidden = true;
        askOtherTab().then(function() {
          return holdLock({steal: true});
        }).then(done);
      };
      $('unkept').onclick = function() {
        $('tabs').hidden = true;
        mode = 'unkept';
        tell('Your game is kept in another tab: this one is a new game, not kept.');
        done();
      };
    });
  });
}

// ----- Watching and recording -----

function readWatched() {
  var url = params.get('replay');
  if (url !== null) {
    mode = 'watch';
    var address;
    try {
      address = new URL(url, location.href);
    } catch (e) {
    }
    if (!address || address.origin !== location.origin)
      return Promise.reject(new Error('only a recording of this site can be watched, not ' + url));
    return fetch(address).then(function(response) {
      if (!response.ok)
        throw new Error(url + ' cannot be had (' + response.status + ')');
      return response.arrayBuffer();
    }).then(function(buffer) {
      watched = {name: address.pathname.split('/').pop() || 'recording', text: textOf(new Uint8Array(buffer))};
    });
  }
  try {
    var kept = sessionStorage.getItem('quorvane:watch');
    if (kept !== null && params.has('watch')) {
      sessionStorage.removeItem('quorvane:watch');
      mode = 'watch';
      watched = JSON.parse(kept);
    }
    if (sessionStorage.getItem('quorvane:record') && !params.has('watch')) {
      sessionStorage.removeItem('quorvane:record');
      var now = new Date().toISOString().replace(/[-:]/g, '').replace('T', '-').slice(0, 15);
      recording = FOLDER + '/recording-' + now + '.rec';
    }
    var told = sessionStorage.getItem('quorvane:told');
    if (told) {
      sessionStorage.removeItem('quorvane:told');
      tell(told);
    }
  } catch (e) {
  }
  if (params.has('watch') && !watched)
    return Promise.reject(new Error('the recording to watch was not handed over'));
  return Promise.resolve();
}

// The page starts again with the given address (or the same), after the game was kept.
function restart(search) {
  keepGame();
  mode = 'stopped';
  location.href = location.pathname + (search || '');
}

function watch(name, text) {
  try {
    sessionStorage.setItem('quorvane:watch', JSON.stringify({name: name, text: text}));
  } catch (e) {
    fileLine('This browser lets the page hand nothing over, so the recording cannot be watched here.');
    return;
  }
  var s = $('speed').value;
  restart('?watch' + (s !== '1' ? '&speed=' + s : ''));
}

function replayVerdict(status) {
  var line = lastLines.filter(function(l) { return /differ|stopped|replay:|quorvane:/.test(l); }).pop() || '';
  line = line.replace(/^(replay|quorvane): [^:]*: /, '');
  switch (status) {
  case 0: return 'The game came out the same as the recording of ' + watched.name + ' (' + line + ').';
  case 1: return 'The game went another way than the recording of ' + watched.name + ': ' + line;
  case 2: return watched.name + ' is not a recording the game can play: ' + line;
  case 3: return 'The recording of ' + watched.name + ' was stopped: ' + line;
  }
  return 'The recording of ' + watched.name + ' ended with status ' + status + '.';
}

// ----- The player's files -----

function fileLine(text) {
  $('fileline').textContent = text;
}

function sizeOf(bytes) {
  return bytes < 1024 ? bytes + ' bytes' : (bytes / 1024).toFixed(1) + ' KB';
}

function download(name, bytes) {
  var link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
}

function listFiles() {
  // The game in progress is written first, so the saved game downloaded is the game as
  // it is now.
  if (mode === 'keep' || mode === 'unkept') {
    if (running && Module._KeepGameOfPage)
      Module._KeepGameOfPage();
    storeFolder();
  }
  var list = $('filelist');
  list.textContent = '';
  var files = playerFiles();
  var names = Object.keys(files).sort();
  if (!names.length) {
    var row = list.insertRow();
    row.insertCell().textContent = 'No saved game or recording yet.';
  }
  names.forEach(function(name) {
    var bytes = Module.FS.readFile(files[name]);
    var row = list.insertRow();
    row.insertCell().textContent = name;
    var size = row.insertCell();
    size.className = 'size';
    size.textContent = sizeOf(bytes.length);
    var button = document.createElement('button');
    button.type = 'button';
    button.textContent = 'Download';
    button.onclick = function() { download(name, Module.FS.readFile(files[name])); };
    row.insertCell().appendChild(button);
  });
}

function showFiles(open) {
  $('files').hidden = !open;
  if (open) {
    fileLine('');
    listFiles();
    $('closefiles').focus();
  } else {
    canvas.focus();
  }
}

// A saved game or a recording from the player's disk. A saved game takes the place of
// the one kept (which stays beside it, as quorvane.sav.previous) and the page starts
// again to offer it as "Continue"; a recording is watched. Anything else is refused.
function takeFile(file) {
  if (!file)
    return;
  if (file.size > 8 * 1024 * 1024) {
    fileLine(file.name + ' is refused: it is far larger than a saved game or a recording. Nothing was changed.');
    return;
  }
  file.arrayBuffer().then(function(buffer) {
    var text = textOf(new Uint8Array(buffer));
    if (/^quorvane-recording \d+\n/.test(text))
      return watch(file.name, text);
    if (!/^quorvane-save \d+\n/.test(text)) {
      fileLine(file.name + ' is refused: it is neither a saved game nor a recording of Quorvane. Nothing was changed.');
      return;
    }
    if (!/\nend\n?$/.test(text)) {
      fileLine(file.name + ' is refused: the saved game in it is cut short. Nothing was changed.');
      return;
    }
    if (mode !== 'keep' || storageFailed) {
      fileLine(file.name + ' cannot be taken: ' + (mode === 'keep' ? 'this browser keeps nothing for this page.'
               : 'your game is kept in another tab; take it over there.'));
      return;
    }
    keepGame();
    try {
      var s = storage();
      var old = s.getItem(PREFIX + 'quorvane.sav');
      var aside = null;
      if (old !== null && old !== text) {
        aside = 'quorvane.sav.previous';
        for (var n = 1; s.getItem(PREFIX + aside) !== null; n++)
          aside = 'quorvane.sav.previous' + n;
        s.setItem(PREFIX + aside, old);
      }
      s.setItem(PREFIX + 'quorvane.sav', text);
      sessionStorage.setItem('quorvane:told', file.name + ' is your saved game now' +
                             (aside ? ' (the one before is kept as ' + aside + ')' : '') + ': "Continue" resumes it.');
    } catch (e) {
      fileLine(file.name + ' cannot be taken: this browser\'s storage is full or refused. Nothing was changed.');
      return;
    }
    mode = 'stopped';
    location.href = location.pathname + location.search.replace(/[?&](watch|replay=[^&]*)/g, '');
  });
}

// ----- The picture and the command buttons -----

// The keys a screen without a keyboard lacks, sent as the keyboard sends them.
var COMMANDS = [
  ['i', 'KeyI', 'i', false, 'Inventory'], ['l', 'KeyL', 'l', false, 'Look'],
  ['Get', 'Enter', 'Enter', false, 'Pick up (Return)'], ['d', 'KeyD', 'd', false, 'Drop'],
  ['o', 'KeyO', 'o', false, 'Open'], ['c', 'KeyC', 'c', false, 'Close'], ['g', 'KeyG', 'g', false, 'Go'],
  ['h', 'KeyH', 'h', false, 'Rest'], ['C', 'KeyC', 'C', true, 'Character sheet'],
  ['N', 'KeyN', 'N', true, 'History'], ['?', 'Slash', '?', true, 'Help'],
  ['Q', 'KeyQ', 'Q', true, 'Quit and save'], ['Esc', 'Escape', 'Escape', false, 'Escape'],
  ['y', 'KeyY', 'y', false, 'Yes'], ['n', 'KeyN', 'n', false, 'No'], ['Wait', 'Numpad5', '5', false, 'Wait a turn']
];

function sendKey(code, key, shift) {
  ['keydown', 'keyup'].forEach(function(type) {
    window.dispatchEvent(new KeyboardEvent(type, {code: code, key: key, shiftKey: shift, bubbles: true}));
  });
}

COMMANDS.forEach(function(c) {
  var button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  button.textContent = c[0];
  button.title = c[4];
  button.setAttribute('aria-label', c[4]);
  button.dataset.code = c[1];
  // The button takes no focus, so the keyboard's Space and Return stay the game's.
  button.addEventListener('mousedown', function(e) { e.preventDefault(); });
  button.addEventListener('click', function() { sendKey(c[1], c[2], c[3]); });
  $('strip').appendChild(button);
});

var coarse = window.matchMedia ? matchMedia('(pointer: coarse)') : {matches: false};

function stripWanted() {
  try {
    var asked = localStorage.getItem('quorvane:strip');
    if (asked !== null)
      return asked === '1';
  } catch (e) {
  }
  return coarse.matches;
}

// The picture at the largest whole scale that fits beside (landscape) or above
// (portrait) the command buttons, or at the largest fit below 1.
var size = document.head.appendChild(document.createElement('style'));

function fitCanvas() {
  var frame = $('frame'), strip = $('strip');
  var w = frame.clientWidth, h = frame.clientHeight;
  strip.hidden = !stripWanted();
  var across = 0, down = 0;
  var landscape = w >= h;
  frame.style.flexDirection = landscape ? 'row' : 'column';
  if (!strip.hidden) {
    var cell = 48, n = COMMANDS.length, cols, rows;
    if (landscape) {
      rows = Math.max(1, Math.min(n, Math.floor((h + 4) / cell)));
      cols = Math.ceil(n / rows);
      rows = Math.ceil(n / cols);
      across = cols * cell;
    } else {
      cols = Math.max(1, Math.min(n, Math.floor((w + 4) / cell)));
      rows = Math.ceil(n / cols);
      cols = Math.ceil(n / rows);
      down = rows * cell;
    }
    strip.style.gridTemplateColumns = 'repeat(' + cols + ', 44px)';
    strip.style.gridTemplateRows = 'repeat(' + rows + ', 44px)';
  }
  var fit = Math.max(0.05, Math.min((w - across) / 800, (h - down) / 600));
  var scale = fit >= 1 ? Math.floor(fit) : fit;
  // In a sheet of its own: the browser's SDL clears the canvas' own style when it sets
  // the screen's mode.
  size.textContent = '#canvas { width: ' + 800 * scale + 'px; height: ' + 600 * scale + 'px; }';
}

// ----- The end -----

function showEnded(text, again) {
  running = false;
  $('frame').hidden = true;
  $('files').hidden = true;
  $('endtext').textContent = text;
  $('again').textContent = again || 'Play again';
  var rec = recording && Module.FS && playerFiles()[recording.split('/').pop()];
  $('getrecording').hidden = !rec;
  $('ended').hidden = false;
  if (document.fullscreenElement)
    document.exitFullscreen().catch(function() {});
  $('again').focus();
}

// ----- The game -----

var Module = {
  canvas: canvas,
  // The game decodes its pictures itself, when it loads them, and the browser its sounds
  // (as the game loads them too) for the page's audio, which plays once a key is pressed.
  noImageDecoding: true,
  noAudioDecoding: true,
  // The files the game loads are those of this page's build.
  locateFile: function(name, prefix) {
    return prefix + name + '?v=' + VERSION;
  },
  print: function(text) {
    lastLines = lastLines.slice(-4).concat([text]);
    if (logging)
      console.log(text);
  },
  printErr: function(text) {
    lastLines = lastLines.slice(-4).concat([text]);
    console.error(text);
  },
  preRun: [function() {
    var ENV = Module.ENV;
    if (seed)
      ENV.QUORVANE_SEED = seed;
    restoreFolder();
    if (watched) {
      Module.FS.writeFile('/watched.rec', bytesOf(watched.text));
      ENV.QUORVANE_REPLAY = '/watched.rec';
      ENV.QUORVANE_REPLAY_WATCH = '1';
      if (speed > 1)
        ENV.QUORVANE_REPLAY_SPEED = String(speed);
    } else if (recording) {
      ENV.QUORVANE_RECORD = recording;
      tell('This game is recorded (and not kept): download ' + recording.split('/').pop() + ' from Files when it is over.');
    }
  }],
  playerFilesChanged: storeFolder,
  onRuntimeInitialized: function() {
    running = true;
    setTimeout(keepOffline, 2000);
  },
  onExit: function(status) {
    if (mode === 'stopped')
      return;
    if (watched)
      showEnded(replayVerdict(status), 'Back to your game');
    else
      showEnded('The game has ended.');
  },
  onAbort: function(what) {
    showEnded('The game stopped: ' + what);
  }
};

// The program's end unwinds its stack by throwing (ExitStatus); ending while it resumes
// from waiting for the browser to paint, that throw reaches the page, which expects it.
addEventListener('unhandledrejection', function(event) {
  if (event.reason && event.reason.name === 'ExitStatus')
    event.preventDefault();
});
addEventListener('error', function(event) {
  if (event.error && event.error.name === 'ExitStatus')
    event.preventDefault();
});

function startGame() {
  $('watching').hidden = mode !== 'watch';
  if (mode === 'watch')
    document.title = 'Quorvane: watching ' + watched.name;
  var script = document.createElement('script');
  script.src = 'quorvane.js?v=' + VERSION;
  document.body.appendChild(script);
}

readWatched().then(chooseTab).then(startGame, function(e) {
  watched = null;
  mode = 'stopped';
  showEnded('Nothing to watch: ' + e.message + '.', 'Back to your game');
});

// ----- The page's controls -----

$('again').addEventListener('click', function() {
  if (watched || params.has('replay') || params.has('watch'))
    location.href = location.pathname;
  else
    location.reload();
});
$('getrecording').addEventListener('click', function() {
  download(recording.split('/').pop(), Module.FS.readFile(recording));
});
$('openfiles').addEventListener('click', function() { showFiles($('files').hidden); });
$('closefiles').addEventListener('click', function() { showFiles(false); });
$('upload').addEventListener('change', function() {
  takeFile(this.files[0]);
  this.value = '';
});
$('record').addEventListener('click', function() {
  if (mode === 'watch') {
    fileLine('A recording is being watched: go back to your game first.');
    return;
  }
  try {
    sessionStorage.setItem('quorvane:record', '1');
  } catch (e) {
    fileLine('This browser lets the page hand nothing over, so no game can be recorded here.');
    return;
  }
  restart(seed ? '?seed=' + seed : '');
});
$('stopwatch').addEventListener('click', function() {
  if (running && Module._StopWebReplay)
    Module._StopWebReplay();
});
$('showstrip').checked = stripWanted();
$('showstrip').addEventListener('change', function() {
  try {
    localStorage.setItem('quorvane:strip', this.checked ? '1' : '0');
  } catch (e) {
  }
  fitCanvas();
});
$('speed').value = String(speed);

// F2 opens and closes the files (the game has no use for it); while they are open, the
// keys are theirs, not the game's.
addEventListener('keydown', function(e) {
  var open = !$('files').hidden;
  if (e.code === 'F2' || (open && e.code === 'Escape')) {
    e.preventDefault();
    e.stopImmediatePropagation();
    if (e.type === 'keydown' && !e.repeat)
      showFiles(!open);
  } else if (open || mode === 'stopped') {
    e.stopImmediatePropagation();
  }
}, true);
addEventListener('keyup', function(e) {
  if (e.code === 'F2' || !$('files').hidden || mode === 'stopped')
    e.stopImmediatePropagation();
}, true);

// A recording dropped on the page is watched.
addEventListener('dragover', function(e) {
  e.preventDefault();
  $('drop').hidden = false;
});
addEventListener('dragleave', function() { $('drop').hidden = true; });
addEventListener('drop', function(e) {
  e.preventDefault();
  $('drop').hidden = true;
  var file = e.dataTransfer && e.dataTransfer.files[0];
  if (file) {
    showFiles(true);
    takeFile(file);
  }
});

document.addEventListener('visibilitychange', function() {
  if (document.visibilityState === 'hidden')
    keepGame();
});
// The page left: its game is kept and the lock let go at once, for the page that follows
// (the same one reloaded, often). A page brought back from the browser's history starts
// afresh, to ask for the lock again.
addEventListener('pagehide', function() {
  keepGame();
  if (releaseLock && mode === 'keep') {
    mode = 'stopped';
    releaseLock();
  }
});
addEventListener('pageshow', function(event) {
  if (event.persisted)
    location.reload();
});
addEventListener('resize', fitCanvas);
document.addEventListener('fullscreenchange', fitCanvas);
if (coarse.addEventListener)
  coarse.addEventListener('change', fitCanvas);
fitCanvas();

// Kept for playing offline: the page's files, by the build they belong to. The worker
// fetches them all once more, so it is let start once the game has started.
function keepOffline() {
  if ('serviceWorker' in navigator && !params.has('nooffline'))
    navigator.serviceWorker.register('sw.js').catch(function(e) {
      console.warn('Quorvane: the page cannot be kept for playing offline (' + e + ')');
    });
}
