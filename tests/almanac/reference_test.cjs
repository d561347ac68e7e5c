// The almanac's traditional keys against lunar-javascript 1.7.7 on days spread over the
// whole calendar: 84 runs of 28 days in a row, evenly spaced from 1901-02-19 to
// 2048-12-31 (the first and last days included), so every run crosses a 节 and the
// month change it brings.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { Solar } = require('lunar-javascript');
const { runCli } = require('../wasm/cli.cjs');

const FIRST = Date.UTC(1901, 1, 19);
const LAST = Date.UTC(2048, 11, 31);
const DAY = 86400000;
const RUNS = 84;
const RUN_DAYS = 28;
const KEYS = ['day_yi', 'day_ji', 'chong_animal', 'chong_pillar', 'sha', 'pengzu', 'ji_shen',
  'xiong_sha', 'day_god', 'day_luck', 'hours'];
// Each key must agree on at least this share of the days.
const AGREEMENT = 0.995;

const iso = (ms) => new Date(ms).toISOString().slice(0, 10);

// [from, to] of each run of days.
function sampleRuns() {
  const step = Math.floor((LAST - FIRST) / DAY - RUN_DAYS + 1) / (RUNS - 1);
  const runs = [];
  for (let i = 0; i < RUNS; i++) {
    const from = FIRST + Math.round(i * step) * DAY;
    runs.push([iso(from), iso(from + (RUN_DAYS - 1) * DAY)]);
  }
  return runs;
}

// The library gives "无" for an empty list; the program gives an empty list.
const list = (words) => (words.length === 1 && words[0] === '无' ? [] : words);

function reference(date) {
  const [y, m, d] = date.split('-').map(Number);
  const lunar = Solar.fromYmd(y, m, d).getLunar();
  return {
    day_yi: list(lunar.getDayYi()),
    day_ji: list(lunar.getDayJi()),
    chong_animal: lunar.getDayChongShengXiao(),
    chong_pillar: lunar.getDayChongGan() + lunar.getDayChong(),
    sha: lunar.getDaySha(),
    pengzu: [lunar.getPengZuGan(), lunar.getPengZuZhi()],
    ji_shen: list(lunar.getDayJiShen()),
    xiong_sha: list(lunar.getDayXiongSha()),
    day_god: lunar.getDayTianShen(),
    day_luck: lunar.getDayTianShenType(),
    hours: lunar.getTimes().slice(0, 12).map((t) => ({
      branch: t.getZhi(), pillar: t.getGan() + t.getZhi(), god: t.getTianShen(),
      luck: t.getTianShenLuck(),
    })),
  };
}

async function inBatches(items, size, work) {
  for (let i = 0; i < items.length; i += size) await Promise.all(items.slice(i, i + size).map(work));
}

test('the almanac agrees with lunar-javascript key by key', async () => {
  const runs = sampleRuns();
  assert.strictEqual(runs[0][0], iso(FIRST));
  assert.strictEqual(runs[RUNS - 1][1], iso(LAST));
  const agreed = Object.fromEntries(KEYS.map((key) => [key, 0]));
  const differences = [];
  let days = 0;
  await inBatches(runs, 2, async ([from, to]) => {
    const run = await runCli(['almanac', '--from', from, '--to', to, '--json']);
    assert.ok(run.ok, `almanac ${from} ${to}: ${run.err}`);
    const lines = run.out.trim().split('\n');
    assert.strictEqual(lines.length, RUN_DAYS);
    for (const line of lines) {
      const ours = JSON.parse(line);
      const theirs = reference(ours.date);
      days++;
      for (const key of KEYS) {
        if (JSON.stringify(ours[key]) === JSON.stringify(theirs[key])) agreed[key]++;
        else differences.push(`${ours.date} ${key}: ${JSON.stringify(ours[key])} / ${JSON.stringify(theirs[key])}`);
      }
    }
  });
  assert.ok(days >= 2000, `only ${days} days compared`);
  for (const key of KEYS) console.log(`${key}: ${agreed[key]} of ${days} days agree`);
  for (const difference of differences.slice(0, 20)) console.log(difference);
  for (const key of KEYS) {
    assert.ok(agreed[key] >= AGREEMENT * days, `${key} agrees on ${agreed[key]} of ${days} days`);
  }
});
