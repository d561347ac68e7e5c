// Debian's Chromium, headless, driven by puppeteer-core, and the site served by a
// plain static server: what the browser tests and the benchmark share.
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

// Never a downloaded browser: the one the system has.
const kChromium = '/usr/bin/chromium';

async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zeruda-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    userDataDir: profile,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.on('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// `python3 -m http.server` over the site on a free loopback port; resolves once it
// answers. stop() ends it.
async function serveSite(site) {
  const port = await freePort();
  const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '-d', site],
                       { stdio: 'ignore' });
  const origin = `http://127.0.0.1:${port}`;
  for (let tries = 0; tries < 100; ++tries) {
    const answered = await fetch(`${origin}/index.html`).then(() => true, () => false);
    if (answered) {
      const stop = () => new Promise((resolve) => {
        if (server.exitCode !== null || server.signalCode !== null) return resolve();
        server.once('exit', resolve);
        server.kill();
      });
      return { origin, stop };
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  server.kill();
  throw new Error('the static server did not answer');
}

const kTypes = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
                 '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.json': 'application/json',
                 '.webmanifest': 'application/manifest+json' };

// The site as a static host serves it compressed: a file's .gz beside it to a
// browser that takes gzip, no Cache-Control. Resolves with {origin, stop, sent()}:
// sent() is the bytes of the bodies sent so far.
function serveCompressed(site) {
  let sent = 0;
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://here').pathname).replace(/^\/$/, '/index.html');
    const file = path.join(site, path.normalize(name));
    if (!file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] || '') && fs.existsSync(`${file}.gz`);
    const headers = { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
                      'Last-Modified': fs.statSync(file).mtime.toUTCString(), Vary: 'Accept-Encoding' };
    if (gzip) headers['Content-Encoding'] = 'gzip';
    const body = fs.readFileSync(gzip ? `${file}.gz` : file);
    sent += body.length;
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    origin: `http://127.0.0.1:${server.address().port}`,
    sent: () => sent,
    stop: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }),
  })));
}

// Opens the page and waits until its module is loaded.
async function openPage(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('html[data-ready="true"]', { timeout: 20000 });
}

module.exports = { launchBrowser, serveSite, serveCompressed, openPage };
