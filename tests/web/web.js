// The game in a real browser (Chromium, headless, through puppeteer-core), played as a
// player plays it: keys in, the page's own canvas pixels out, each text checked at the
// same place as the desktop's end-to-end tests check it (shotcheck, the game's font).
//   node web.js <page address> <bin folder with shotcheck and data> <work folder>
// Prints the time to the title, the sizes of the page's files and the frame times.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {execFileSync} = require('child_process');
const canvas = require('./canvas');

const [address, bin, work] = process.argv.slice(2);
const SEED = 4;
let failures = 0;
let step = 'start';
const errors = [];
// Console errors a step expects (the game's own lines on its error stream), each once.
const expected = [];

function fail(what) {
  console.error('FAIL: ' + what + ' (at ' + step + ')');
  failures++;
  throw new Error(what);
}

// The canvas as the game drew it, written as a BMP for shotcheck.
const grab = (page, name) => canvas.grab(page, path.join(work, name || 'canvas.bmp'));
const has = (file, x, y, text) => canvas.has(bin, file, x, y, text);

// Waits, a bounded number of looks, until the canvas shows every text at its place.
async function until(page, what, texts, tries = 100) {
  for (let i = 0; i < tries; i++) {
    // The page may be between two documents (it starts again after some of its controls).
    const file = await grab(page).catch(() => null);
    if (!file) {
      await new Promise(r => setTimeout(r, 40));
      continue;
    }
    if (texts.every(([x, y, t, absent]) => has(file, x, y, t) !== !!absent))
      return file;
    await new Promise(r => setTimeout(r, 40));
  }
  await grab(page, 'failed-' + step.replace(/\W+/g, '-') + '.bmp');
  fail(what);
}

async function key(page, name, shift) {
  if (shift)
    await page.keyboard.down('Shift');
  await page.keyboard.press(name);
  if (shift)
    await page.keyboard.up('Shift');
}

const PLAY = [690, 560, '? for Help'];
const time = n => [690, 100, 'Time: ' + n + ' '];

const launch = () => canvas.launch(work);

async function open(browser) {
  const page = await browser.newPage();
  await page.setViewport({width: 1000, height: 700});
  page.on('console', m => {
    if (m.type() !== 'error')
      return;
    const known = expected.findIndex(e => e.test(m.text()));
    if (known >= 0)
      expected.splice(known, 1);
    else
      errors.push('console: ' + m.text());
  });
  page.on('pageerror', e => errors.push('page: ' + e));
  // The time of each task of the page, which is each stretch of the game's own work
  // between two of its waits (the game waits for the browser with setTimeout).
  // At each of the browser's paints while the game starts: how many loading boxes the
  // canvas shows, when the title's picture is first shown, and when the menu's place on
  // it first changes (the menu is drawn).
  await page.evaluateOnNewDocument(() => {
    window.start = {boxes: 0, title: 0, menu: 0};
    const bright = d => d[0] + d[1] + d[2] > 30;
    let menuWas = null;
    const watch = () => {
      const c = document.getElementById('canvas');
      const ctx = c && c.getContext('2d');
      if (ctx && c.width === 800) {
        if (!start.title) {
          let boxes = 0;
          while (boxes < 8 && bright(ctx.getImageData(310 + 25 * boxes, 360, 1, 1).data))
            boxes++;
          start.boxes = Math.max(start.boxes, boxes);
          if (bright(ctx.getImageData(10, 10, 1, 1).data))
            start.title = performance.now();
        }
        if (start.title) {
          const now = Array.from(ctx.getImageData(324, 440, 100, 50).data).join();
          if (menuWas !== null && now !== menuWas) {
            start.menu = performance.now();
            return;
          }
          menuWas = now;
        }
      }
      requestAnimationFrame(watch);
    };
    requestAnimationFrame(watch);
  });
  // The sounds the page plays, and whether the browser let them play (it does once the
  // player has pressed a key).
  await page.evaluateOnNewDocument(() => {
    window.sounds = {played: 0, refused: 0, contexts: []};
    const Audio = window.AudioContext;
    window.AudioContext = class extends Audio {
      constructor(...args) {
        super(...args);
        sounds.contexts.push(this);
      }
    };
    const play = HTMLMediaElement.prototype.play;
    HTMLMediaElement.prototype.play = function() {
      const p = play.apply(this, arguments);
      if (p && p.then)
        p.then(() => sounds.played++, () => sounds.refused++);
      return p;
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function() {
      sounds.played++;
      return start.apply(this, arguments);
    };
  });
  await page.evaluateOnNewDocument(() => {
    window.taskTimes = [];
    window.timing = false;
    const later = window.setTimeout;
    window.setTimeout = function(fn, ms, ...rest) {
      return later(function() {
        const t0 = performance.now();
        try {
          return fn.apply(this, arguments);
        } finally {
          if (window.timing)
            window.taskTimes.push(performance.now() - t0);
        }
      }, ms, ...rest);
    };
  });
  const client = await page.target().createCDPSession();
  await client.send('Page.setDownloadBehavior', {behavior: 'allow', downloadPath: work});
  return page;
}

async function walk(page, keys, from) {
  let t = from;
  for (const k of keys) {
    await key(page, k);
    t++;
    await until(page, 'step ' + k + ' to time ' + t, [PLAY, time(t)], 60);
  }
  return t;
}

const SAVE = 'quorvane:/quorvane/quorvane.sav';
// The servers the test starts of its own, stopped at its end whatever happens.
const servers = [];
const TITLE = [[340, 445, 'New Game'], [324, 445, '>'], [340, 430, 'Continue', true]];
const CONTINUE = [[340, 430, 'Continue'], [324, 430, '>']];
const later = ms => new Promise(r => setTimeout(r, ms));
const kept = page => page.evaluate(k => localStorage.getItem(k), SAVE);
// The time of the game kept, as the desktop reads it.
async function keptTime(page) {
  const file = path.join(work, 'kept.sav');
  fs.writeFileSync(file, await kept(page) || '', 'latin1');
  try {
    return execFileSync(path.join(bin, 'savecheck'), [file]).toString().split(' ')[1];
  } catch (e) {
    return 'none';
  }
}

// A file the page hands over as a download, once it is whole in the work folder.
async function downloaded(name) {
  const file = path.join(work, name);
  let size = -1;
  for (let i = 0; i < 100; i++) {
    if (fs.existsSync(file) && fs.statSync(file).size === size && size > 0)
      return file;
    size = fs.existsSync(file) ? fs.statSync(file).size : -1;
    await later(50);
  }
  fail('no download of ' + name);
}

async function pageLine(page, selector, pattern, what) {
  await page.waitForFunction((s, p) => {
    const e = document.querySelector(s);
    return e && !e.closest('[hidden]') && new RegExp(p).test(e.textContent);
  }, {timeout: 10000}, selector, pattern.source).catch(() => fail(what));
}

async function clickFile(page, name) {
  const found = await page.evaluate(n => {
    const row = [...document.querySelectorAll('#filelist tr')].find(r => r.cells[0].textContent === n);
    if (row)
      row.querySelector('button').click();
    return !!row;
  }, name);
  if (!found)
    fail(name + ' is not listed among the files');
}

// The player's files: the saved game listed and downloaded (the desktop reads it, and
// its own copy of it, uploaded, is the game the page continues); a file that is neither
// a save nor a recording is refused in one line, with nothing kept lost.
async function checkFiles(page, t) {
  step = 'files';
  await key(page, 'F2');
  await page.waitForSelector('#files:not([hidden])', {timeout: 5000}).catch(() => fail('F2 did not open the files'));
  const save = await kept(page);
  const listed = await page.evaluate(() => [...document.querySelectorAll('#filelist tr')].map(r => r.textContent).join('|'));
  if (!listed.includes('quorvane.sav') || !listed.includes((save.length / 1024).toFixed(1) + ' KB'))
    fail('the files do not list the saved game with its size: ' + listed);
  await clickFile(page, 'quorvane.sav');
  const file = await downloaded('quorvane.sav');
  if (fs.readFileSync(file, 'latin1') !== save)
    fail('the saved game downloaded is not the one kept');
  // The desktop's own reader takes it, at the time the page shows.
  const desktop = path.join(work, 'desktop.sav');
  let read = '';
  try {
    read = execFileSync(path.join(bin, 'savecheck'), [file, desktop]).toString();
  } catch (e) {
    read = String(e.stdout || e);
  }
  if (!read.startsWith('time ' + t + ' '))
    fail('the desktop did not resume the page\'s save: ' + read.trim());

  step = 'a bad file';
  const bad = path.join(work, 'notes.txt');
  fs.writeFileSync(bad, 'a shopping list\n');
  await (await page.$('#upload')).uploadFile(bad);
  await pageLine(page, '#fileline', /notes\.txt is refused/, 'a bad file was not refused in one line');
  if (await kept(page) !== save)
    fail('a refused file changed the kept game');

  step = 'a save from the desktop';
  await (await page.$('#upload')).uploadFile(desktop);
  await pageLine(page, '#notice', /desktop\.sav is your saved game now/, 'no line saying the upload is the saved game');
  await until(page, 'no Continue with the uploaded game', CONTINUE, 400);
  if (await kept(page) !== fs.readFileSync(desktop, 'latin1'))
    fail('the uploaded game is not the one kept');
  await key(page, 'Space');
  await until(page, 'the uploaded game did not resume', [PLAY, time(t)]);
}

// Two tabs: the second asks; played unkept, it leaves the first tab's game alone; taking
// the game over, it continues the first tab's game as it was at that moment, and the
// first tab keeps nothing from then on, not even when it is closed.
async function checkTabs(browser, first) {
  step = 'two tabs';
  await key(first, 'Space');
  await until(first, 'no new game in the first tab', [PLAY, time(0)]);
  let t = await walk(first, ['ArrowRight', 'ArrowRight'], 0);
  await key(first, 'KeyQ', true);
  await until(first, 'no title after Q in the first tab', CONTINUE);
  await key(first, 'Space');
  await until(first, 'the first tab did not resume its game', [PLAY, time(t)]);
  t = await walk(first, ['ArrowLeft'], t);

  let second = await open(browser);
  await second.goto(address + '?seed=' + SEED);
  await second.waitForSelector('#tabs:not([hidden])', {timeout: 10000}).catch(() => fail('the second tab did not ask'));
  await second.click('#unkept');
  await until(second, 'the unkept tab offered another tab\'s game', TITLE, 400);
  await key(second, 'Space');
  await until(second, 'no game in the unkept tab', [PLAY, time(0)]);
  await walk(second, ['ArrowDown'], 0);
  await key(second, 'KeyQ', true);
  await until(second, 'no title in the unkept tab', CONTINUE);
  await second.close({runBeforeUnload: true});
  await first.bringToFront();
  await key(first, 'KeyQ', true);
  await until(first, 'no title after Q in the first tab', CONTINUE);
  if (await keptTime(first) !== String(t))
    fail('the unkept tab wrote over the first tab\'s game');
  await key(first, 'Space');
  await until(first, 'the first tab did not resume its game', [PLAY, time(t)]);
  t = await walk(first, ['ArrowUp'], t);

  step = 'taking the game over';
  second = await open(browser);
  await second.goto(address + '?seed=' + SEED);
  await second.waitForSelector('#tabs:not([hidden])', {timeout: 10000}).catch(() => fail('the second tab did not ask'));
  await second.click('#takeover');
  await pageLine(first, '#endtext', /went on in another tab/, 'the first tab did not say its game went on elsewhere');
  await until(second, 'the tab that took over offers no Continue', CONTINUE, 400);
  await key(second, 'Space');
  await until(second, 'the game taken over is not the first tab\'s', [PLAY, time(t)]);
  t = await walk(second, ['ArrowDown'], t);
  await key(second, 'KeyQ', true);
  await until(second, 'no title after Q in the tab that took over', CONTINUE);
  await first.bringToFront();
  await key(first, 'KeyQ', true);
  await first.close({runBeforeUnload: true});
  await later(200);
  if (await keptTime(second) !== String(t))
    fail('the first tab wrote its game after it was taken over');
  await key(second, 'Space');
  await until(second, 'the game did not resume after the first tab closed', [PLAY, time(t)]);
  await second.bringToFront();
  return second;
}

// A game recorded in the page, downloaded, and watched: uploaded, and named in the
// address, faster; a watched game stopped; a recording of another site refused.
async function checkRecordAndWatch(page) {
  step = 'record';
  await key(page, 'F2');
  await page.click('#record');
  await until(page, 'a recorded game did not start at a fresh title', TITLE, 400);
  await key(page, 'Space');
  await until(page, 'no recorded game', [PLAY, time(0)]);
  await walk(page, ['ArrowRight', 'ArrowUp', 'ArrowLeft'], 0);
  await key(page, 'KeyQ', true);
  await until(page, 'no title in the recorded game', CONTINUE);
  await key(page, 'ArrowUp');
  await until(page, 'the cursor is not on Exit', [[324, 475, '>']]);
  await key(page, 'Space');
  await page.waitForSelector('#getrecording:not([hidden])', {timeout: 10000})
    .catch(() => fail('the ended page offers no recording'));
  const name = await page.evaluate(() => recording.split('/').pop());
  await page.click('#getrecording');
  const rec = await downloaded(name);
  if (!/^quorvane-recording 2\n[^]*\nend \d+ [0-9a-f]+\n$/.test(fs.readFileSync(rec, 'latin1')))
    fail('the recording downloaded is not whole');

  step = 'watch an upload';
  await page.click('#again');
  await until(page, 'Play again did not start the game', [[340, 445, 'New Game']], 400);
  await key(page, 'F2');
  await page.select('#speed', '8');
  await (await page.$('#upload')).uploadFile(rec);
  await pageLine(page, '#endtext', /came out the same/, 'the uploaded recording did not replay to the same game');

  step = 'watch an address';
  const shelf = path.join(process.env.PAGE_DIR, 'watch-test.rec');
  fs.copyFileSync(rec, shelf);
  try {
    await page.goto(address + '?replay=watch-test.rec&speed=8');
    await pageLine(page, '#endtext', /came out the same/, 'the recording named in the address did not replay to the same game');
    await page.goto(address + '?replay=watch-test.rec');
    await page.waitForSelector('#watching:not([hidden])', {timeout: 10000});
    await until(page, 'the watched game did not start', [PLAY], 400);
    await page.click('#stopwatch');
    await pageLine(page, '#endtext', /was stopped/, 'a stopped replay did not say so');
    await page.goto(address + '?replay=' + encodeURIComponent('http://example.invalid/x.rec'));
    await pageLine(page, '#endtext', /only a recording of this site/, 'a recording of another site was not refused');
    // A recording of the desktop's shelf replays in the page as on the desktop.
    fs.copyFileSync(path.join(process.env.RECORDINGS, 'town-walk.rec'), shelf);
    await page.goto(address + '?replay=watch-test.rec&speed=16');
    await pageLine(page, '#endtext', /came out the same/, 'the desktop\'s town-walk did not replay to the same game');
  } finally {
    fs.unlinkSync(shelf);
  }
  await page.goto(address + '?seed=' + SEED);
}

// The page on a phone, both ways round, and in a small window: the picture whole on the
// screen, the command buttons beside it or under it and never over it, sending the
// keyboard's keys.
async function checkLayout(browser) {
  step = 'layout';
  const page = await browser.newPage();
  const look = async (width, height, touch) => {
    await page.setViewport({width, height, isMobile: touch, hasTouch: touch});
    await page.goto(address + '?seed=' + SEED + '&nooffline');
    await page.waitForFunction(() => document.getElementById('canvas').width === 800, {timeout: 10000});
    return page.evaluate(() => {
      const box = e => e.getBoundingClientRect().toJSON();
      const strip = document.getElementById('strip');
      return {canvas: box(document.getElementById('canvas')), strip: strip.hidden ? null : box(strip),
              buttons: [...strip.children].map(box), touch: getComputedStyle(document.getElementById('canvas')).touchAction,
              viewport: document.querySelector('meta[name=viewport]').content, w: innerWidth, h: innerHeight};
    });
  };
  const inside = (r, w, h) => r.left >= 0 && r.top >= 0 && r.right <= w + 0.5 && r.bottom <= h + 0.5;
  for (const [w, h, touch] of [[390, 844, true], [844, 390, true], [500, 400, false]]) {
    const l = await look(w, h, touch);
    const where = w + ' x ' + h;
    if (!inside(l.canvas, w, h))
      fail('the picture is not whole on a ' + where + ' screen: ' + JSON.stringify(l.canvas));
    if (!touch) {
      if (l.strip)
        fail('the command buttons are shown without a touch screen');
      continue;
    }
    if (!l.strip || l.buttons.length !== 16 || !inside(l.strip, w, h))
      fail('the command buttons are not all on a ' + where + ' touch screen');
    if (l.buttons.some(b => b.width < 44 || b.height < 44))
      fail('a command button is smaller than 44 pixels');
    if (w > h ? l.strip.left < l.canvas.right : l.strip.top < l.canvas.bottom)
      fail('the command buttons are not ' + (w > h ? 'beside' : 'under') + ' the picture on a ' + where + ' screen');
    if (l.touch !== 'none' || !/user-scalable=no/.test(l.viewport))
      fail('a tap or a double tap on the picture would scroll or zoom the page');
  }
  await page.setViewport({width: 390, height: 844, isMobile: true, hasTouch: true});
  await page.goto(address + '?seed=' + SEED + '&nooffline');
  const sent = await page.evaluate(() => {
    const seen = [];
    for (const type of ['keydown', 'keyup'])
      addEventListener(type, e => seen.push([e.type, e.code, e.key, e.shiftKey].join(' ')));
    for (const code of ['KeyC', 'Numpad5', 'Enter'])
      for (const b of document.querySelectorAll('#strip button[data-code="' + code + '"]'))
        b.click();
    return seen.join(', ');
  });
  if (sent !== 'keydown KeyC c false, keyup KeyC c false, keydown KeyC C true, keyup KeyC C true, ' +
              'keydown Numpad5 5 false, keyup Numpad5 5 false, keydown Enter Enter false, keyup Enter Enter false')
    fail('the command buttons send other keys: ' + sent);
  await page.close();
}

// A browser that keeps nothing for the page: the game plays, the page says so in one
// line, and the title offers no game it cannot resume.
async function checkStorageRefused(browser) {
  step = 'storage refused';
  const context = await browser.createBrowserContext();
  for (const [how, words] of [['SecurityError', /refuses this page any storage/], ['QuotaExceededError', /storage is full/]]) {
    const page = await open(context);
    await page.evaluateOnNewDocument(name => {
      if (name === 'SecurityError')
        Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('denied', name); }});
      else
        Storage.prototype.setItem = function() { throw new DOMException('full', name); };
    }, how);
    await page.goto(address + '?seed=' + SEED + '&nooffline');
    await until(page, 'no title without storage', TITLE, 400);
    await pageLine(page, '#notice', words, 'the page did not say it keeps nothing (' + how + ')');
    if (!/download/.test(await page.$eval('#notice', e => e.textContent)))
      fail('the page did not say how to take the game home');
    await key(page, 'Space');
    await until(page, 'no game without storage', [PLAY, time(0)]);
    await walk(page, ['ArrowRight'], 0);
    await key(page, 'KeyQ', true);
    await until(page, 'no title after Q without storage', CONTINUE);
    await page.close();
  }
  await context.close();
}

// Installable, and kept for playing offline: after one visit the page starts and plays
// with its server gone; a new build is served whole at the next visit.
async function checkOffline(browser) {
  step = 'offline';
  const copy = path.join(work, 'site');
  fs.cpSync(process.env.PAGE_DIR, copy, {recursive: true});
  const {spawn} = require('child_process');
  let port = 0;
  const serve = async () => {
    const server = spawn('python3', [process.env.SERVE, copy, String(port)], {stdio: ['ignore', 'pipe', 'inherit']});
    const line = await new Promise(done => server.stdout.once('data', d => done(String(d))));
    port = Number(/:(\d+)\//.exec(line)[1]);
    servers.push(server);
    return server;
  };
  let server = await serve();
  const site = 'http://127.0.0.1:' + port + '/';
  const page = await open(browser);
  await page.goto(site + '?seed=' + SEED);
  await until(page, 'no title on the first visit', TITLE, 400);
  const client = await page.target().createCDPSession();
  const {installabilityErrors} = await client.send('Page.getInstallabilityErrors');
  if (installabilityErrors.length)
    fail('the browser would not install the page: ' + JSON.stringify(installabilityErrors));
  const build = await page.$eval('meta[name=build]', e => e.content);
  await page.waitForFunction(v => navigator.serviceWorker.controller &&
                             caches.has('quorvane-' + v), {timeout: 20000}, build)
    .catch(() => fail('the page was not kept for playing offline'));

  server.kill();
  await new Promise(done => server.once('exit', done));
  await page.setOfflineMode(true);
  await page.reload();
  await until(page, 'no title offline', TITLE, 400);
  console.log('web: offline, from opening the page: the title at ' +
              Math.round(await page.evaluate(() => window.start.title)) + ' ms');
  await key(page, 'Space');
  await until(page, 'no new game offline', [PLAY, time(0)]);
  await walk(page, ['ArrowRight'], 0);

  step = 'a new build';
  const next = build.split('').reverse().join('');
  for (const f of ['index.html', 'page.js', 'sw.js'])
    fs.writeFileSync(path.join(copy, f), fs.readFileSync(path.join(copy, f), 'utf8').split(build).join(next));
  fs.appendFileSync(path.join(copy, 'quorvane.js'), '\n// the next build\n');
  server = await serve();
  await page.setOfflineMode(false);
  await page.goto(site + '?seed=' + SEED);
  await page.waitForFunction(async v => {
    const worker = await navigator.serviceWorker.getRegistration();
    return worker && !worker.installing && !worker.waiting && await caches.has('quorvane-' + v);
  }, {timeout: 20000}, next).catch(() => fail('the new build was not taken in'));
  await page.goto(site + '?seed=' + SEED);
  await until(page, 'no title from the new build', [[340, 445, 'New Game']], 400);
  const files = await page.evaluate(async () => {
    const build = document.querySelector('meta[name=build]').content;
    return {build, loaded: performance.getEntriesByType('resource').map(e => e.name).filter(n => /page\.js|quorvane\./.test(n)),
            script: (await (await fetch('quorvane.js?v=' + build)).text()).endsWith('// the next build\n')};
  });
  if (files.build !== next || files.loaded.length < 4 || files.loaded.some(n => !n.endsWith('v=' + next)) || !files.script)
    fail('the new build (' + next + ') was not served whole: ' + JSON.stringify(files));
  server.kill();
  await page.close();
}

async function main() {
  const browser = await launch();
  let page = await open(browser);
  const url = address + '?seed=' + SEED;

  step = 'title';
  await page.goto(url);
  await until(page, 'the title menu never appeared', [[340, 445, 'New Game'], [324, 445, '>'], [340, 430, 'Continue', true]], 400);
  const start = await page.evaluate(() => window.start);
  console.log('web: from opening the page: the title at ' + Math.round(start.title) + ' ms, its menu (after the ' +
              'fade) at ' + Math.round(start.menu) + ' ms; ' + start.boxes + ' loading boxes were seen');
  if (start.boxes < 2)
    fail('the loading boxes were not shown');

  // Crisp, and scaled by whole numbers to fit the window.
  step = 'scaling';
  const scaled = async (w, h, width) => {
    await page.setViewport({width: w, height: h});
    return page.waitForFunction(x => document.getElementById('canvas').getBoundingClientRect().width === x,
                                {timeout: 5000}, width).then(() => true, () => false);
  };
  if (!await scaled(1700, 1300, 1600) || !await scaled(1000, 700, 800))
    fail('the canvas is not scaled by whole numbers to the window');
  if (!/pixelated|crisp-edges/.test(await page.evaluate(() => getComputedStyle(document.getElementById('canvas')).imageRendering)))
    fail('the canvas is smoothed');

  // The options' switch is the browser's full screen (of the page's frame), both ways.
  step = 'full screen';
  await key(page, 'ArrowDown');
  await until(page, 'the cursor did not move to Options', [[324, 460, '>']]);
  await key(page, 'Space');
  await until(page, 'no options screen', [[340, 460, 'Return to Menu'], [340, 445, 'Fullscreen'], [324, 445, '>']]);
  await key(page, 'Space');
  await until(page, 'the switch did not turn', [[340, 445, 'Windowed']]);
  await page.waitForFunction(() => document.fullscreenElement && document.fullscreenElement.id === 'frame', {timeout: 5000})
    .catch(() => fail('the page is not in full screen'));
  await key(page, 'Space');
  await until(page, 'the switch did not turn back', [[340, 445, 'Fullscreen']]);
  await page.waitForFunction(() => !document.fullscreenElement, {timeout: 5000})
    .catch(() => fail('the page did not leave full screen'));
  // The browser leaves its full screen by itself too (its Escape): the switch follows.
  await key(page, 'Space');
  await until(page, 'the switch did not turn again', [[340, 445, 'Windowed']]);
  await page.waitForFunction(() => document.fullscreenElement, {timeout: 5000})
    .catch(() => fail('the page is not in full screen again'));
  await page.evaluate(() => document.exitFullscreen());
  await until(page, 'the switch did not follow the browser', [[340, 445, 'Fullscreen']]);
  await key(page, 'Escape');
  await until(page, 'not back on the title', [[340, 445, 'New Game'], [324, 445, '>']]);

  step = 'new game';
  await page.evaluate(() => { window.timing = true; });
  await key(page, 'Space');
  await until(page, 'no play screen after New Game', [PLAY, time(0)]);

  // Walking, the keypad's diagonals whatever NumLock says (the browser sends keypad 3
  // as PageDown here), and the house's door: opened by walking into it, then through.
  step = 'walk';
  let t = await walk(page, ['Numpad3', 'Numpad3', 'Numpad3', 'Numpad3', 'Numpad3',
                            'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowUp'], 0);
  step = 'door';
  // The house's door is the cell (13, 8), above the hero.
  const door = () => page.evaluate(() => {
    const d = document.getElementById('canvas').getContext('2d').getImageData(390, 240, 30, 30).data;
    let sum = 0;
    for (let i = 0; i < d.length; i++) sum = (sum * 31 + d[i]) >>> 0;
    return sum;
  });
  const closed = await door();
  t = await walk(page, ['ArrowUp'], t);
  if (await door() === closed)
    fail('the door did not open');
  t = await walk(page, ['ArrowUp', 'ArrowUp'], t);

  // Keypad Enter (not Return, which picks up) centres the view on the hero: the town's
  // west wall, at the view's left edge until then, goes out of it.
  step = 'keypad Enter';
  const leftEdge = () => page.evaluate(() => {
    const d = document.getElementById('canvas').getContext('2d').getImageData(5, 195, 10, 10).data;
    const sum = [0, 0, 0];
    for (let i = 0; i < d.length; i += 4)
      for (let c = 0; c < 3; c++)
        sum[c] += d[i + c];
    return sum[1] > sum[0] * 1.2 && sum[1] > sum[2] * 1.2 ? 'grass' : 'wall';
  });
  if (await leftEdge() !== 'wall')
    fail('the town wall is not at the left edge of the view');
  await key(page, 'NumpadEnter');
  let centred = false;
  for (let i = 0; i < 100 && !centred; i++) {
    centred = await leftEdge() === 'grass';
    if (!centred)
      await new Promise(r => setTimeout(r, 40));
  }
  if (!centred)
    fail('keypad Enter did not centre the view');
  await until(page, 'keypad Enter took a turn', [PLAY, time(t)]);

  step = 'inventory';
  await key(page, 'i');
  await until(page, 'no inventory', [[209, 30, 'INVENTORY']]);
  await key(page, 'Escape');
  await until(page, 'not back in play from the inventory', [PLAY, [209, 30, 'INVENTORY', true]]);

  // The command buttons reach the game as the keyboard does.
  {
    step = 'command buttons';
    const press = code => page.evaluate(c => document.querySelector('#strip button[data-code="' + c + '"]').click(), code);
    await page.evaluate(() => { localStorage.setItem('quorvane:strip', '1'); dispatchEvent(new Event('resize')); });
    await press('KeyI');
    await until(page, 'the inventory button did not open the inventory', [[209, 30, 'INVENTORY']]);
    await press('Escape');
    await until(page, 'the Escape button did not close the inventory', [PLAY, [209, 30, 'INVENTORY', true]]);
    await press('Numpad5');
    await until(page, 'the wait button took no turn', [PLAY, time(++t)]);
    await page.evaluate(() => { localStorage.removeItem('quorvane:strip'); dispatchEvent(new Event('resize')); });
  }

  step = 'look';
  await key(page, 'l');
  await until(page, 'no look mode', [[690, 145, 'Looking'], [5, 480, 'You see yourself.']]);
  await key(page, 'Escape');
  await until(page, 'not back in play from look mode', [PLAY, [690, 145, 'Looking', true]]);

  step = 'help';
  await key(page, 'Slash', true);
  await until(page, 'no help', [[278, 25, 'GAME CONTROLS']]);
  await key(page, 'Escape');
  await until(page, 'not back in play from help', [PLAY, [278, 25, 'GAME CONTROLS', true]]);

  step = 'history';
  await key(page, 'KeyN', true);
  await until(page, 'no history', [[302, 25, 'HISTORY']]);
  await key(page, 'Escape');
  await until(page, 'not back in play from the history', [PLAY, [302, 25, 'HISTORY', true]]);

  step = 'screenshot';
  await key(page, 'F1');
  const shot = path.join(work, 'screenshot0.bmp');
  for (let i = 0; i < 100 && !(fs.existsSync(shot) && fs.statSync(shot).size === 54 + 2400 * 600); i++)
    await new Promise(r => setTimeout(r, 50));
  if (!fs.existsSync(shot) || !has(shot, ...PLAY))
    fail('F1 gave no screenshot0.bmp of the play screen');

  // Out again and over to the town guard, who is struck (after the game's question).
  step = 'fight';
  t = await walk(page, ['ArrowDown', 'ArrowDown', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft', 'Numpad7',
                        'Numpad7', 'Numpad7', 'Numpad7', 'Numpad7', 'Numpad7', 'Numpad7'], t);
  await key(page, 'ArrowLeft');
  await until(page, 'no question before striking the guard', [[5, 495, 'Are you sure? (y/n)']]);
  await key(page, 'y');
  const blow = [480, 495, 510, 525, 540];
  let struck = false;
  for (let i = 0; i < 60 && !struck; i++) {
    const file = await grab(page);
    struck = blow.some(y => has(file, 320, y, 'You hit the Town Guard.') || has(file, 320, y, 'You miss the Town Guard.'));
  }
  if (!struck)
    fail('no blow at the guard in the messages');
  t++;
  await until(page, 'the fight took no turn', [PLAY, time(t)]);
  await page.evaluate(() => { window.timing = false; });
  const frames = await page.evaluate(() => window.taskTimes);

  const sounds = await page.evaluate(() => ({played: sounds.played, refused: sounds.refused,
                                             running: sounds.contexts.length > 0 && sounds.contexts.every(c => c.state === 'running')}));
  if (!sounds.played || sounds.refused || !sounds.running)
    fail('the sounds did not play (' + sounds.played + ' played, ' + sounds.refused + ' refused, the audio ' +
         (sounds.running ? 'running)' : 'held back)'));

  // The page left in the middle of play (here reloaded, as a closed tab opened again):
  // it offers the game as it was and resumes it.
  step = 'reload';
  await page.reload();
  await until(page, 'no Continue after a reload', [[340, 430, 'Continue'], [324, 430, '>']], 400);
  await key(page, 'Space');
  await until(page, 'the kept game was not resumed', [PLAY, time(t)]);

  // Q: the title, with the game kept and Continue chosen.
  step = 'quit to the title';
  await key(page, 'KeyQ', true);
  await until(page, 'Q did not lead to the title', [[340, 430, 'Continue'], [324, 430, '>']]);
  await key(page, 'Space');
  await until(page, 'Continue did not resume the game', [PLAY, time(t)]);

  await checkFiles(page, t);

  // Death: the guard, now hostile, is fought until the hero dies; the tombstone leads to
  // the title without a game to continue, and the save is gone from the page's storage.
  step = 'death';
  let dead = false;
  for (let i = 0; i < 40 && !dead; i++) {
    // Each blow is a turn; the next is struck once the clock shows it (or the hero fell).
    await key(page, 'ArrowLeft');
    let turned = false;
    for (let j = 0; j < 100 && !turned; j++) {
      const file = await grab(page);
      if (blow.some(y => has(file, 320, y, '(Press a key)')))
        dead = turned = true;
      else if (has(file, 5, 480, 'Are you sure? (y/n)') || has(file, 5, 495, 'Are you sure? (y/n)'))
        await key(page, 'y');
      else if (has(file, ...time(t + 1)))
        turned = true;
    }
    if (!turned)
      fail('a blow at the guard took no turn');
    t++;
  }
  if (!dead)
    fail('the hero did not die');
  await key(page, 'Space');
  await until(page, 'no last words', [[320, 540, 'You die.']]);
  await key(page, 'Space');
  await until(page, 'no tombstone', [PLAY, [340, 445, 'New Game']].map(([x, y, text]) => [x, y, text, true]));
  await key(page, 'Space');
  await until(page, 'the tombstone did not lead to the title', [[340, 445, 'New Game'], [324, 445, '>'],
                                                              [340, 430, 'Continue', true]]);
  if (await page.evaluate(k => localStorage.getItem(k), SAVE) !== null)
    fail('the dead hero\'s game is still kept');

  // A damaged save: told of in one line, moved aside, and the title offers a new game.
  step = 'damaged save';
  await page.evaluate(k => localStorage.setItem(k, 'quorvane-save 1\ndigest 0\nplayer 1'), SAVE);
  expected.push(/quorvane\.sav: .*moved aside to quorvane\.sav\.bad/);
  await page.reload();
  await until(page, 'no title after a damaged save', [[340, 445, 'New Game'], [324, 445, '>'], [340, 430, 'Continue', true]], 400);
  if (await page.evaluate(k => localStorage.getItem(k) === null && localStorage.getItem(k + '.bad') !== null, SAVE) !== true)
    fail('the damaged save was not moved aside');

  // Exit: the page says that the game has ended, and starts it again on request.
  step = 'exit';
  await key(page, 'ArrowUp');
  await until(page, 'the cursor is not on Exit', [[324, 475, '>']]);
  await key(page, 'Space');
  await page.waitForFunction(() => !document.getElementById('ended').hidden &&
                             /The game has ended/.test(document.getElementById('ended').textContent), {timeout: 10000})
    .catch(() => fail('no page saying the game has ended'));
  await page.click('#again');
  await until(page, 'Play again did not start the game', [[340, 445, 'New Game'], [324, 445, '>']], 400);

  page = await checkTabs(browser, page);
  await checkRecordAndWatch(page);
  await checkLayout(browser);
  await checkStorageRefused(browser);
  await checkOffline(browser);

  await browser.close();

  // What the page weighs, each file compressed as a web server would send it.
  const folder = process.env.PAGE_DIR;
  if (folder) {
    let raw = 0, packed = 0;
    for (const f of fs.readdirSync(folder)) {
      const bytes = fs.readFileSync(path.join(folder, f));
      raw += bytes.length;
      packed += zlib.gzipSync(bytes, {level: 9}).length;
    }
    console.log('web: the page is ' + Math.round(raw / 1024) + ' KB, ' + Math.round(packed / 1024) + ' KB compressed (gzip -9)');
  }
  const sorted = frames.slice().sort((a, b) => a - b);
  const q = p => sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))].toFixed(1);
  console.log('web: the game\'s own work between two waits, ' + sorted.length + ' stretches from New Game to the blow: ' +
              'median ' + q(0.5) + ' ms, 90% ' + q(0.9) + ', 99% ' + q(0.99) + ', max ' + sorted[sorted.length - 1].toFixed(1) +
              ', over 40 ms: ' + sorted.filter(x => x > 40).length);
}

main().catch(e => {
  if (!failures)
    console.error('FAIL: ' + e.message + ' (at ' + step + ')');
  failures++;
}).finally(() => {
  for (const server of servers)
    server.kill();
  for (const e of expected)
    errors.push('expected, not shown: ' + e);
  for (const e of errors)
    console.error('FAIL: the browser\'s console: ' + e);
  process.exit(failures || errors.length ? 1 : 0);
});
