// The browser edition's speed and size (make web first):
//
//   NODE_PATH=tests/wasm/node_modules node bench/web_bench.cjs [build/web/site] [zeruda_bench]
//
// - the page ready in headless Chromium: from navigation to its module loaded, on a
//   first visit (nothing cached) and a repeat visit (served by its service worker);
// - 2,000 company names generated in the page, timed in its worker from the call to
//   the last row with the module already loaded, against the native engine's time
//   for the same request and seed (BM_RequestTwoThousandNamesAsThePage of
//   build/release/bench/zeruda_bench, when that program is given or built);
// - a first visit on an emulated slow link (1.5 Mbit/s, 150 ms latency, Chromium's
//   network emulation), the site served gzipped as static hosts serve it: the time
//   until the page is usable (median of five, target within 5 s), until a company
//   run can start (the page usable and the data the run reads, fetched once the
//   module is in, in; target within 5 s too), the bytes that had arrived when it
//   was usable (resource timing) and those the server sent for the whole visit (the
//   service worker's install too);
// - the site's transfer size, every file gzipped (its .gz and .br forms aside).
// It also leaves a desktop and a phone screenshot in build/web/.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { launchBrowser, serveSite, serveCompressed, openPage } = require('../tests/wasm/browser.cjs');

const root = path.resolve(__dirname, '..');
const site = path.resolve(process.argv[2] || path.join(root, 'build/web/site'));
const nativeBench = process.argv[3] || path.join(root, 'build/release/bench/zeruda_bench');
const kRuns = 5;

// The same request as the native benchmark's.
const kRequest = { surname: '张', given: '伟', birth: '1985-06-15', time: '08:30', prefix: '成都',
                   suffix: '科技有限公司', length: 2, auto_elements: true, count: 2000, seed: 20240611 };

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

function gzippedSize() {
  let total = 0;
  const lines = [];
  for (const name of fs.readdirSync(site).sort()) {
    if (/\.(gz|br)$/.test(name) || name.startsWith('.') || name.startsWith('_')) continue;
    const bytes = fs.readFileSync(path.join(site, name));
    const packed = zlib.gzipSync(bytes, { level: 9 }).length;
    total += packed;
    lines.push(`  ${name.padEnd(24)} ${String(bytes.length).padStart(9)} B  gzipped ${String(packed).padStart(8)} B`);
  }
  return { total, lines };
}

async function readyTimes(browser, origin) {
  const first = [];
  const repeat = [];
  for (let run = 0; run < kRuns; ++run) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    for (const times of [first, repeat]) {
      await openPage(page, `${origin}/index.html`);
      times.push(await page.evaluate(() => window.zerudaReadyAt));
      // The second visit is answered by the service worker the first one installed.
      await page.evaluate(() => navigator.serviceWorker.ready);
    }
    await context.close();
  }
  return { first, repeat };
}

const kSlowLink = { offline: false, latency: 150, downloadThroughput: 1.5e6 / 8, uploadThroughput: 1.5e6 / 8 };

// First visits over the slow link, each in a fresh profile context: milliseconds
// until usable, bytes until then and bytes of the whole visit.
async function slowFirstVisits(browser) {
  const visits = [];
  for (let run = 0; run < kRuns; ++run) {
    const server = await serveCompressed(site);
    const context = await browser.createBrowserContext();
    try {
      const page = await context.newPage();
      const session = await page.createCDPSession();
      await session.send('Network.enable');
      await session.send('Network.emulateNetworkConditions', kSlowLink);
      await page.goto(`${server.origin}/index.html`, { waitUntil: 'domcontentloaded' });
      await page.waitForSelector('html[data-ready="true"]', { timeout: 60000 });
      const usable = await page.evaluate(() => window.zerudaReadyAt);
      // What had arrived by then, as the page's resource timing has it (the server's
      // count would take in what the page asks for right after it is usable).
      const beforeUsable = await page.evaluate(() => [...performance.getEntriesByType('navigation'),
                                                      ...performance.getEntriesByType('resource')]
        .filter((entry) => entry.responseEnd <= window.zerudaReadyAt)
        .reduce((sum, entry) => sum + entry.encodedBodySize, 0));
      await page.waitForFunction(() => window.zerudaRunDataAt, { timeout: 60000 });
      const runData = await page.evaluate(() => window.zerudaRunDataAt);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        return registration.active && registration.active.state === 'activated';
      }, { timeout: 60000 });
      visits.push({ usable, runData, beforeUsable, whole: server.sent() });
    } finally {
      await context.close();
      await server.stop();
    }
  }
  return visits;
}

async function generationTimes(browser, origin) {
  const page = await browser.newPage();
  await openPage(page, `${origin}/index.html`);
  const times = [];
  for (let run = 0; run < kRuns; ++run) {
    times.push(await page.evaluate(async (request) => {
      const rows = await zeruda.generate(request);
      if (rows.length !== request.count) throw new Error(`${rows.length} rows`);
      return zeruda.lastRunMilliseconds;
    }, kRequest));
  }
  await page.close();
  return times;
}

// The page's longest task while 20,000 names are scored in the worker (Long Tasks API),
// and the time from the click to the whole list.
async function shortlistTasks(browser, origin) {
  const chars = '华通金星龙凤明德远大海天宏图兴旺昌盛鑫源恒达';
  const lines = [];
  for (let i = 0; i < 20000; ++i) {
    lines.push(`北京${chars[i % chars.length]}${chars[(i * 7 + 3) % chars.length]}贸易有限公司`);
  }
  const runs = [];
  for (let run = 0; run < 3; ++run) {
    const page = await browser.newPage();
    await openPage(page, `${origin}/index.html`);
    await page.click('button[data-tab="shortlist"]');
    await page.$eval('#shortlist-names', (box, text) => {
      box.value = text;
      box.dispatchEvent(new Event('input'));
    }, lines.join('\n'));
    await new Promise((resolve) => setTimeout(resolve, 1000));
    await page.evaluate(() => {
      window.longestTask = 0;
      new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) window.longestTask = Math.max(window.longestTask, entry.duration);
      }).observe({ type: 'longtask' });
      window.scoreStarted = performance.now();
    });
    await page.click('#shortlist-run');
    await page.waitForFunction(() => document.querySelector('#shortlist-count').textContent.startsWith('完成'),
                               { timeout: 120000 });
    runs.push(await page.evaluate(() => ({ longest: window.longestTask,
                                           seconds: (performance.now() - window.scoreStarted) / 1000 })));
    await page.close();
  }
  return runs;
}

function nativeMilliseconds() {
  if (!fs.existsSync(nativeBench)) return null;
  const out = execFileSync(nativeBench, ['--benchmark_filter=BM_RequestTwoThousandNamesAsThePage',
                                         '--benchmark_repetitions=5', '--benchmark_format=json'],
                           { encoding: 'utf8' });
  const runs = JSON.parse(out).benchmarks.filter((b) => b.run_type === 'iteration');
  return median(runs.map((b) => b.real_time));
}

async function screenshots(browser, origin) {
  const page = await browser.newPage();
  const shots = [['desktop', 1280, 900, false], ['phone', 390, 844, true]];
  for (const [name, width, height, isMobile] of shots) {
    await page.setViewport({ width, height, isMobile, hasTouch: isMobile });
    await openPage(page, `${origin}/index.html#evaluate=${encodeURIComponent('华通')}`);
    await page.waitForSelector('#evaluate-diagram svg');
    const file = path.join(root, 'build/web', `screenshot-${name}.png`);
    await page.screenshot({ path: file });
    console.log(`screenshot: ${file}`);
  }
  await page.close();
}

(async () => {
  const size = gzippedSize();
  console.log(`site ${site}:`);
  console.log(size.lines.join('\n'));
  console.log(`transfer size, gzipped: ${(size.total / 1024).toFixed(0)} KiB (target under 2048 KiB)`);

  const server = await serveSite(site);
  const browser = await launchBrowser();
  try {
    const ready = await readyTimes(browser, server.origin);
    console.log(`page ready, first visit: median ${median(ready.first).toFixed(0)} ms of ${ready.first.map(Math.round).join(', ')}`);
    console.log(`page ready, repeat visit: median ${median(ready.repeat).toFixed(0)} ms of ${ready.repeat.map(Math.round).join(', ')} (target within 1000 ms)`);
    const slow = await slowFirstVisits(browser);
    const kib = (bytes) => `${(bytes / 1024).toFixed(0)} KiB`;
    console.log(`first visit on 1.5 Mbit/s, 150 ms, gzipped: usable after median ${median(slow.map((v) => v.usable)).toFixed(0)} ms ` +
                `of ${slow.map((v) => Math.round(v.usable)).join(', ')} (target within 5000 ms)`);
    console.log(`  a company run can start (page usable and the data it reads in) after median ` +
                `${median(slow.map((v) => v.runData)).toFixed(0)} ms of ${slow.map((v) => Math.round(v.runData)).join(', ')} ` +
                '(target within 5000 ms)');
    console.log(`first visit bytes: ${kib(median(slow.map((v) => v.beforeUsable)))} until usable, ` +
                `${kib(median(slow.map((v) => v.whole)))} with the service worker's install`);
    const times = await generationTimes(browser, server.origin);
    const page = median(times);
    console.log(`2,000 names in the page's worker: median ${page.toFixed(0)} ms of ${times.map(Math.round).join(', ')} (the first in a fresh worker)`);
    const native = nativeMilliseconds();
    if (native === null) {
      console.log(`native figure: build ${nativeBench} (cmake --build --preset release --target zeruda_bench)`);
    } else {
      console.log(`2,000 names natively: median ${native.toFixed(1)} ms; the page takes ${(page / native).toFixed(1)}x (target within 20x)`);
    }
    const tasks = await shortlistTasks(browser, server.origin);
    console.log(`20,000 names in the shortlist: ${tasks.map((t) => t.seconds.toFixed(1)).join(', ')} s; ` +
                `the page's longest task ${tasks.map((t) => Math.round(t.longest)).join(', ')} ms ` +
                '(0: none over 50 ms; target none over 50 ms)');
    await screenshots(browser, server.origin);
  } finally {
    await browser.close();
    await server.stop();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
