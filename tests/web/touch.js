// The page on a phone with no keyboard, once held sideways and once upright, played by
// taps only: the title's "New Game", steps by taps on the cells next to the hero, the
// house's door opened and walked through, travel to a cell tapped far off, the command
// buttons (the inventory, Get, rest, wait, Escape, quit and save), a slot and its page by
// taps, a long press looking at a cell, then a reload and "Continue", and the same game
// goes on. Every check is read from the canvas, as the other tests read it.
//   node touch.js <page address> <bin folder with shotcheck and data> <work folder>
'use strict';
const fs = require('fs');
const path = require('path');
const canvas = require('./canvas');

const [address, bin, work] = process.argv.slice(2);
const SEED = 4;
let failures = 0;
let step = 'start';

function fail(what) {
  console.error('FAIL: ' + what + ' (at ' + step + ')');
  failures++;
  throw new Error(what);
}

const grab = (page, name) => canvas.grab(page, path.join(work, name || 'touch.bmp'));
const has = (file, x, y, text) => canvas.has(bin, file, x, y, text);

async function until(page, what, texts, tries = 150) {
  for (let i = 0; i < tries; i++) {
    const file = await grab(page);
    if (texts.every(([x, y, t, absent]) => has(file, x, y, t) !== !!absent))
      return file;
    await new Promise(r => setTimeout(r, 40));
  }
  await grab(page, 'failed-touch-' + step.replace(/\W+/g, '-') + '.bmp');
  fail(what);
}

const PLAY = [690, 560, '? for Help'];
const time = n => [690, 100, 'Time: ' + n + ' '];

// Where a pixel of the picture is on the page, however the page scales it.
async function spot(page, x, y) {
  const box = await page.evaluate(() => {
    const r = document.getElementById('canvas').getBoundingClientRect();
    return {left: r.left, top: r.top, width: r.width, height: r.height};
  });
  return [box.left + (x + 0.5) * box.width / 800, box.top + (y + 0.5) * box.height / 600];
}

async function tap(page, x, y) {
  const [px, py] = await spot(page, x, y);
  await page.touchscreen.tap(px, py);
}

async function longPress(page, x, y) {
  const [px, py] = await spot(page, x, y);
  await page.touchscreen.touchStart(px, py);
  await new Promise(r => setTimeout(r, 800));
  await page.touchscreen.touchEnd();
}

// A cell of the map while the view stands at the map's corner.
const cell = (x, y) => [x * 30 + 15, y * 30 + 15];

async function button(page, code) {
  const where = await page.evaluate(c => {
    const b = document.querySelector('#strip button[data-code="' + c + '"]');
    if (!b || b.offsetParent === null)
      return null;
    const r = b.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, code);
  if (!where)
    fail('no command button ' + code);
  await page.touchscreen.tap(where[0], where[1]);
}

async function play(browser, width, height) {
  const where = width > height ? 'sideways' : 'upright';
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width, height, isMobile: true, hasTouch: true, deviceScaleFactor: 2});
  await page.goto(address + '?seed=' + SEED + '&nooffline');
  step = where + ': title';
  await until(page, 'no title menu', [[340, 445, 'New Game']]);
  await tap(page, 350, 447);
  await until(page, 'a tap on New Game did not start a game', [PLAY, time(0)]);

  // The hero starts at (5, 5) with the view at the map's corner: five steps down and to
  // the right, three to the right and one up, then the house's door above him.
  step = where + ': steps';
  let t = 0, x = 5, y = 5;
  for (const [dx, dy] of [[1, 1], [1, 1], [1, 1], [1, 1], [1, 1], [1, 0], [1, 0], [1, 0], [0, -1]]) {
    await tap(page, ...cell(x + dx, y + dy));
    x += dx, y += dy;
    await until(page, 'a tap next to the hero took no step to (' + x + ', ' + y + ')', [PLAY, time(++t)]);
  }
  step = where + ': door';
  await tap(page, ...cell(x, y - 1)); // opens the door
  await until(page, 'a tap on the door did nothing', [PLAY, time(++t)]);
  await tap(page, ...cell(x, y - 1));
  y -= 1;
  await until(page, 'no step into the doorway', [PLAY, time(++t)]);

  // Travel to a cell tapped far off, out of the house; it ends by itself.
  step = where + ': travel';
  await tap(page, ...cell(x + 1, y - 6));
  await until(page, 'a tap far off did not travel', [[690, 145, 'Travelling']]);
  await until(page, 'travel never ended', [PLAY, [690, 145, 'Travelling', true]], 300);

  // The command buttons: the inventory, a slot and its page by taps, Escape.
  step = where + ': inventory';
  await button(page, 'KeyI');
  await until(page, 'the inventory button did not open the inventory', [[209, 30, 'INVENTORY']]);
  await tap(page, 75, 105);
  await until(page, 'a tap on slot A did not show it', [[150, 75, 'ITEM PROPERTIES']]);
  await tap(page, 400, 300);
  await until(page, 'a tap did not leave the item\'s page', [[209, 30, 'INVENTORY']]);
  await button(page, 'Escape');
  await until(page, 'the Escape button did not close the inventory', [PLAY, [209, 30, 'INVENTORY', true]]);

  // A long press looks; Escape leaves.
  step = where + ': look';
  await longPress(page, 400, 200);
  await until(page, 'a long press did not look', [[690, 145, 'Looking']]);
  await button(page, 'Escape');
  await until(page, 'not back in play after looking', [PLAY, [690, 145, 'Looking', true]]);

  // Get, rest and wait: each goes through to the game.
  step = where + ': wait';
  const before = await shownTime(page);
  await button(page, 'Enter');
  await button(page, 'KeyH');
  await button(page, 'Numpad5');
  await until(page, 'the wait button took no turn', [PLAY, time(before + 1)]);

  // Quit and save, a reload, "Continue": the same game goes on.
  step = where + ': quit and save';
  const kept = await shownTime(page);
  await button(page, 'KeyQ');
  await until(page, 'Q did not go to the title', [[340, 430, 'Continue']]);
  await page.reload();
  await until(page, 'no "Continue" after a reload', [[340, 430, 'Continue']]);
  await tap(page, 350, 432);
  await until(page, 'the game did not go on after Continue', [PLAY, time(kept)]);
  await button(page, 'Numpad5');
  await until(page, 'the resumed game took no turn', [PLAY, time(kept + 1)]);
  await context.close();
  console.log('touch: ' + where + ' (' + width + ' x ' + height + '): played by taps, ' + (kept + 1) + ' turns');
}

// The turn counter the canvas shows, once it holds still for a moment.
async function shownTime(page) {
  let last = -1;
  for (let tries = 0; tries < 50; tries++) {
    // Digit by digit: "Time: 1" is also seen where "Time: 18" is shown.
    const file = await grab(page);
    let text = '';
    for (let more = true; more && text.length < 5;) {
      more = false;
      for (let d = 0; d <= 9 && !more; d++)
        if (has(file, 690, 100, 'Time: ' + text + d)) {
          text += d;
          more = true;
        }
    }
    const n = text === '' ? -1 : Number(text);
    if (n >= 0 && n === last)
      return n;
    last = n;
    await new Promise(r => setTimeout(r, 250));
  }
  fail('no time shown');
}

async function main() {
  const browser = await canvas.launch(work);
  try {
    for (const [w, h] of [[844, 390], [390, 844]]) {
      try {
        await play(browser, w, h);
      } catch (e) {
        if (!failures) {
          console.error('FAIL: ' + (e && e.stack || e));
          failures++;
        }
      }
    }
  } finally {
    await browser.close();
  }
  if (failures)
    process.exit(1);
}

main();
