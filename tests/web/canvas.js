// What the page's tests share: Chromium started as this machine allows, the canvas read
// back as a BMP picture, and the game's own font looked for in it (shotcheck).
'use strict';
const fs = require('fs');
const path = require('path');
const {execFileSync} = require('child_process');
const puppeteer = require('puppeteer-core');

// Headless Chromium with a new profile in the work folder; no network of its own.
function launch(work) {
  const profile = fs.mkdtempSync(path.join(work, 'profile-'));
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
}

// The canvas as the game drew it, written as a 24-bit BMP into file.
async function grab(page, file) {
  const b64 = await page.evaluate(() => {
    const c = document.getElementById('canvas');
    const w = c.width, h = c.height;
    const d = c.getContext('2d').getImageData(0, 0, w, h).data;
    const row = (w * 3 + 3) & ~3;
    const out = new Uint8Array(54 + row * h);
    const v = new DataView(out.buffer);
    out[0] = 66; out[1] = 77;
    v.setUint32(2, out.length, true); v.setUint32(10, 54, true); v.setUint32(14, 40, true);
    v.setInt32(18, w, true); v.setInt32(22, h, true); v.setUint16(26, 1, true); v.setUint16(28, 24, true);
    for (let y = 0; y < h; y++)
      for (let x = 0; x < w; x++) {
        const s = 4 * (y * w + x), t = 54 + (h - 1 - y) * row + 3 * x;
        out[t] = d[s + 2]; out[t + 1] = d[s + 1]; out[t + 2] = d[s];
      }
    let text = '';
    for (let i = 0; i < out.length; i += 0x8000)
      text += String.fromCharCode.apply(null, out.subarray(i, i + 0x8000));
    return btoa(text);
  });
  fs.writeFileSync(file, Buffer.from(b64, 'base64'));
  return file;
}

// The picture shows the text in the game's font with its top-left corner at (x, y).
function has(bin, file, x, y, text) {
  try {
    execFileSync(path.join(bin, 'shotcheck'), [path.join(bin, 'data'), file, String(x), String(y), text]);
    return true;
  } catch (e) {
    return false;
  }
}

module.exports = {launch, grab, has};
