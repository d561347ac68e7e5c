// The almanac's traditional keys against lunar-javascript 1.7.7 on days spread over the
// whole calendar: every 27th day from 1901-02-19 and the days on and before each 节 of
// every tenth year, where the month changes.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { Solar } = require('lunar-javascript');
const { runCli } = require('../wasm/cli.cjs');

const FIRST = Date.UTC(1901, 1, 19);
const LAST = Date.UTC(2048, 11, 31);
const DAY = 86400000;
const KEYS = ['day_yi', 'day_ji', 'chong_animal', 'chong_pillar', 'sha', 'pengzu', 'ji_shen',
  'xiong_sha', 'day_god', 'day_luck', 'hours'];
// Each key must agree on at least this share of the days.
const AGREEMENT = 0.995;

const iso = (ms) => new Date(ms).toISOString().slice(0, 10);

function sampleDays() {
  const days = new Set();
  for (let ms = FIRST; ms <= LAST; ms += 27 * DAY) days.add(iso(ms));
  days.add(iso(LAST));
  for (let year = 1910; year <= 2040; year += 10) {
    const table = Solar.fromYmd(year, 6, 1).getLunar().getJieQiTable();
    for (const [name, solar] of Object.entries(table)) {
      const ms = Date.UTC(solar.getYear(), solar.getMonth() - 1, solar.getDay());
      if (ms < FIRST + DAY || ms > LAST || !isOpeningTerm(name)) continue;
      days.add(iso(ms));
      days.add(iso(ms - DAY));
    }
  }
  return [...days].sort();
}

function isOpeningTerm(name) {
  return ['小寒', '立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬',
    '大雪'].includes(name);
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
  const days = sampleDays();
  assert.ok(days.length >= 2000, `only ${days.length} days sampled`);
  const agreed = Object.fromEntries(KEYS.map((key) => [key, 0]));
  const differences = [];
  await inBatches(days, 4, async (date) => {
    const run = await runCli(['almanac', date, '--json']);
    assert.ok(run.ok, `almanac ${date}: ${run.err}`);
    const ours = JSON.parse(run.out);
    const theirs = reference(date);
    for (const key of KEYS) {
      if (JSON.stringify(ours[key]) === JSON.stringify(theirs[key])) agreed[key]++;
      else differences.push(`${date} ${key}: ${JSON.stringify(ours[key])} / ${JSON.stringify(theirs[key])}`);
    }
  });
  for (const key of KEYS) {
    console.log(`${key}: ${agreed[key]} of ${days.length} days agree`);
  }
  for (const difference of differences.slice(0, 20)) console.log(difference);
  for (const key of KEYS) {
    assert.ok(agreed[key] >= AGREEMENT * days.length, `${key} agrees on ${agreed[key]} of ${days.length} days`);
  }
});
