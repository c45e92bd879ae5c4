// One game on both platforms: the desktop's program (headless, SDL's dummy drivers) and
// the page in Chromium (headless, through puppeteer-core) are given the same seeds,
// recordings and saved games, and must come out the same.
//   node platforms.js <page address> <bin folder with the desktop's program> <work folder>
'use strict';
const fs = require('fs');
const path = require('path');
const {execFileSync, spawn} = require('child_process');
const canvas = require('./canvas');

const [address, bin, work] = process.argv.slice(2);
const SHELF = path.join(__dirname, '..', 'recordings');
const SAVE = 'quorvane:/quorvane/quorvane.sav';
let failures = 0;

function check(ok, what) {
  if (ok) {
    console.log('ok: ' + what);
  } else {
    console.error('FAIL: ' + what);
    failures++;
  }
}

// The desktop's program in a folder of its own, with the environment given; its output.
function desktop(env, folder) {
  fs.mkdirSync(folder, {recursive: true});
  if (!fs.existsSync(path.join(folder, 'sounds')))
    fs.symlinkSync(path.join(bin, 'sounds'), path.join(folder, 'sounds'));
  try {
    return execFileSync(path.join(bin, 'quorvane'), [], {
      cwd: folder, encoding: 'utf8', timeout: 300000,
      env: Object.assign({}, process.env, {SDL_VIDEODRIVER: 'dummy', SDL_AUDIODRIVER: 'dummy'}, env),
    });
  } catch (e) {
    return (e.stdout || '') + (e.stderr || '') + '\nexit ' + e.status;
  }
}

// The page, started with this environment and these files in the player's folder (by
// the page's own start-up hook); resolves with what it printed once the program ended,
// or once wanted(lines) says enough was seen.
async function run(browser, env, files, wanted, prepare) {
  const page = await browser.newPage();
  // Screenshots the self-play takes are downloads.
  const client = await page.target().createCDPSession();
  await client.send('Page.setDownloadBehavior', {behavior: 'allow', downloadPath: work});
  const lines = [];
  page.on('console', m => lines.push(m.text()));
  await page.evaluateOnNewDocument((env, files) => {
    let module;
    Object.defineProperty(window, 'Module', {
      configurable: true,
      get: () => module,
      set: value => {
        module = value;
        value.preRun = [].concat(value.preRun || []);
        value.preRun.push(() => {
          for (const [name, text] of Object.entries(files))
            value.FS.writeFile('/quorvane/' + name, text);
          Object.assign(value.ENV, env);
        });
        const exit = value.onExit;
        value.onExit = status => {
          window.exitStatus = status;
          if (exit)
            exit(status);
        };
      },
    });
  }, env, files);
  if (prepare)
    await prepare(page);
  await page.goto(address + '?log', {waitUntil: 'load'});
  for (let i = 0; i < 3000; i++) {
    const status = await page.evaluate(() => window.exitStatus);
    if (status !== undefined || (wanted && wanted(lines)))
      break;
    await new Promise(r => setTimeout(r, 100));
  }
  return {page, lines, status: await page.evaluate(() => window.exitStatus)};
}

function digestOf(text) {
  const m = /autoplay: digest ([0-9a-f]+) after (\d+) frames/.exec(text);
  return m ? m[1] + '@' + m[2] : null;
}

async function main() {
  const browser = await canvas.launch(work);
  try {
    // The same seed builds the same world and plays the same game.
    const env = {QUORVANE_SEED: '5', QUORVANE_AUTOPLAY: '1500'};
    const onDesktop = digestOf(desktop(env, path.join(work, 'desk-seed')));
    let r = await run(browser, env, {});
    const inPage = digestOf(r.lines.join('\n'));
    check(onDesktop && onDesktop === inPage, 'seed 5, 1500 frames of self-play: desktop ' + onDesktop + ', page ' + inPage);
    await r.page.close();

    // A recording made on the desktop replays in the page, every checkpoint the same.
    const deskrec = path.join(work, 'desk-rec', 'desk.rec');
    desktop({QUORVANE_SEED: '7', QUORVANE_AUTOPLAY: '1200', QUORVANE_RECORD: 'desk.rec'}, path.join(work, 'desk-rec'));
    const matches = lines => lines.some(l => /the game matches the recording/.test(l));
    r = await run(browser, {QUORVANE_REPLAY: '/quorvane/desk.rec'}, {'desk.rec': fs.readFileSync(deskrec, 'utf8')});
    check(r.status === 0 && matches(r.lines), 'a desktop recording replays in the page (status ' + r.status + ')');
    await r.page.close();

    // One of the first recordings (format 1, SDL 1.2's key numbers) too.
    r = await run(browser, {QUORVANE_REPLAY: '/quorvane/old.rec'},
                  {'old.rec': fs.readFileSync(path.join(SHELF, 'town-walk.rec'), 'utf8')});
    check(r.status === 0 && matches(r.lines), 'a recording of format 1 replays in the page (status ' + r.status + ')');
    await r.page.close();

    // A recording made in the page replays on the desktop.
    r = await run(browser, {QUORVANE_SEED: '8', QUORVANE_AUTOPLAY: '1200', QUORVANE_RECORD: '/quorvane/page.rec'}, {});
    const pagerec = await r.page.evaluate(() => Module.FS.readFile('/quorvane/page.rec', {encoding: 'utf8'}));
    await r.page.close();
    fs.mkdirSync(path.join(work, 'desk-replay'), {recursive: true});
    fs.writeFileSync(path.join(work, 'desk-replay', 'page.rec'), pagerec);
    const replayed = desktop({QUORVANE_REPLAY: 'page.rec'}, path.join(work, 'desk-replay'));
    check(/the game matches the recording/.test(replayed) && pagerec.startsWith('quorvane-recording 2\n'),
          'a page recording (format 2) replays on the desktop: ' + replayed.trim().split('\n').pop());

    // A game saved by the page resumes on the desktop, which keeps it again unchanged; and
    // the desktop's save resumes in the page, which keeps it again unchanged.
    r = await run(browser, {}, {}, lines => lines.some(l => /Loading sounds/.test(l)));
    const page = r.page;
    await page.waitForFunction(() => {
      const c = document.getElementById('canvas').getContext('2d');
      const d = c.getImageData(10, 10, 1, 1).data;
      return d[0] + d[1] + d[2] > 30;
    }, {timeout: 30000});
    await new Promise(res => setTimeout(res, 1500)); // the title's menu
    for (const k of ['Space', 'Numpad6', 'Numpad6', 'Numpad3', 'Numpad2']) {
      await page.keyboard.press(k);
      await new Promise(res => setTimeout(res, 200));
    }
    await page.keyboard.down('Shift');
    await page.keyboard.press('KeyQ');
    await page.keyboard.up('Shift');
    await page.waitForFunction(key => localStorage.getItem(key), {timeout: 10000}, SAVE);
    const pagesave = await page.evaluate(key => localStorage.getItem(key), SAVE);
    await page.close();
    const folder = path.join(work, 'desk-save');
    fs.mkdirSync(folder, {recursive: true});
    fs.writeFileSync(path.join(folder, 'quorvane.sav'), Buffer.from(pagesave, 'latin1'));
    const resumed = await resumeOnDesktop(folder);
    const desksave = fs.readFileSync(path.join(folder, 'quorvane.sav'), 'latin1');
    check(/Loading saved game/.test(resumed) && !fs.existsSync(path.join(folder, 'quorvane.sav.bad')) &&
              desksave === pagesave && pagesave.startsWith('quorvane-save 2\n'),
          'a save written by the page resumes on the desktop and is kept again as it was');

    r = await run(browser, {}, {}, lines => lines.some(l => /Loading saved game/.test(l)), async p => {
      await p.evaluateOnNewDocument((key, text) => localStorage.setItem(key, text), SAVE, desksave);
    });
    const resumedInPage = r.lines.some(l => /Loading saved game/.test(l));
    await r.page.waitForFunction(() => Module._KeepGameOfPage, {timeout: 10000});
    await r.page.evaluate(() => Module._KeepGameOfPage());
    const keptInPage = await r.page.evaluate(key => localStorage.getItem(key), SAVE);
    check(resumedInPage && keptInPage === desksave, 'a save written by the desktop resumes in the page and is kept again as it was');
    await r.page.close();
  } finally {
    await browser.close();
  }
  if (failures)
    process.exit(1);
}

// The desktop's program started on a folder with a saved game, ended by a quit signal
// once it has loaded it (the game is then kept again as it ends).
function resumeOnDesktop(folder) {
  return new Promise(resolve => {
    const child = spawn(path.join(bin, 'quorvane'), [], {
      cwd: folder,
      env: Object.assign({}, process.env, {SDL_VIDEODRIVER: 'dummy', SDL_AUDIODRIVER: 'dummy'}),
    });
    let out = '';
    const note = d => {
      out += d;
      if (/Loading saved game/.test(out))
        child.kill('SIGTERM');
    };
    child.stdout.on('data', note);
    child.stderr.on('data', note);
    const timer = setTimeout(() => child.kill('SIGKILL'), 60000);
    child.on('exit', () => {
      clearTimeout(timer);
      resolve(out);
    });
  });
}

main().catch(e => {
  console.error('FAIL: ' + (e && e.stack || e));
  process.exit(1);
});
