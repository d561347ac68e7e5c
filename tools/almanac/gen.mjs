// Writes the traditional almanac facts held by lunar-javascript 1.7.7 into
// data/almanac/ as small tab-separated tables, each carrying the package's licence.
//
// Usage:  node gen.mjs           write the tables
//         node gen.mjs --check   fail if a committed table differs from what would be written
//
// Only facts leave the package: for every month branch and day pair the lists it
// gives, and its fixed lookup lists. How the program computes a day from them is
// its own code in src/almanac/.

import { readFileSync, writeFileSync } from 'node:fs'
import { dirname, resolve } from 'node:path'
import { fileURLToPath } from 'node:url'
import { createRequire } from 'node:module'

const require = createRequire(import.meta.url)
const { LunarUtil } = require('lunar-javascript')
const here = dirname(fileURLToPath(import.meta.url))
const outDir = resolve(here, '../../data/almanac')
const version = require('lunar-javascript/package.json').version
if (version !== '1.7.7') throw new Error(`expected lunar-javascript 1.7.7, found ${version}`)

const licence = readFileSync(require.resolve('lunar-javascript/LICENSE'), 'utf8').trim()
const stems = LunarUtil.GAN.slice(1)
const branches = LunarUtil.ZHI.slice(1)
const pairs = LunarUtil.JIA_ZI
// The month branches in the almanac's order, 寅 (正月) first.
const monthBranches = [...branches.slice(2), ...branches.slice(0, 2)]
const NONE = '无'

function header(what) {
  const lines = [
    `# Facts from the npm package lunar-javascript ${version} by 6tail, written by tools/almanac/gen.mjs; the build embeds it as GBK.`,
    '#',
    ...licence.split('\n').map((line) => ('# ' + line).trimEnd()),
    '#',
    ...what.map((line) => ('# ' + line).trimEnd()),
  ]
  return lines.join('\n') + '\n'
}

// A list as one column: words joined by spaces, the package's "无" (none) left empty.
function column(list) {
  return list.length === 1 && list[0] === NONE ? '' : list.join(' ')
}

// A month pair of the given branch; the lists do not depend on the month's stem
// (checked below), so any one will do.
function monthPairOf(branch) {
  return pairs.find((pair) => pair[1] === branch)
}

function checkStemFree() {
  for (const day of pairs) {
    for (const branch of branches) {
      const months = pairs.filter((pair) => pair[1] === branch)
      const seen = new Set(
        months.map((m) => JSON.stringify([LunarUtil.getDayYi(m, day), LunarUtil.getDayJi(m, day)])),
      )
      if (seen.size !== 1) throw new Error(`the lists of ${day} change with the month's stem`)
    }
  }
}

function dayYiJi() {
  const rows = []
  for (const branch of monthBranches) {
    const month = monthPairOf(branch)
    for (const day of pairs) {
      rows.push([branch, day, column(LunarUtil.getDayYi(month, day)), column(LunarUtil.getDayJi(month, day))])
    }
  }
  return rows
}

function daySpirits() {
  const rows = []
  for (const branch of monthBranches) {
    const index = branches.indexOf(branch)
    for (const day of pairs) {
      rows.push([branch, day, column(LunarUtil.getDayJiShen(index, day)), column(LunarUtil.getDayXiongSha(index, day))])
    }
  }
  return rows
}

// The god on duty for each ruling branch (the month's for a day, the day's for an hour)
// and each branch that takes its turn (the day's, or the hour's).
function dutyGods() {
  return monthBranches.map((ruling) => {
    const offset = LunarUtil.ZHI_TIAN_SHEN_OFFSET[ruling]
    return [ruling, ...branches.map((_, i) => LunarUtil.TIAN_SHEN[((i + offset) % 12) + 1])]
  })
}

function dutyGodKinds() {
  return LunarUtil.TIAN_SHEN.slice(1).map((god) => {
    const kind = LunarUtil.TIAN_SHEN_TYPE[god]
    return [god, kind, LunarUtil.TIAN_SHEN_TYPE_LUCK[kind]]
  })
}

function clashBranches() {
  return branches.map((branch, i) => [branch, LunarUtil.CHONG[i], LunarUtil.SHA[branch]])
}

function clashStems() {
  return stems.map((stem, i) => [stem, LunarUtil.CHONG_GAN[i]])
}

function pengzu() {
  return [
    ...stems.map((stem, i) => [stem, LunarUtil.PENGZU_GAN[i + 1]]),
    ...branches.map((branch, i) => [branch, LunarUtil.PENGZU_ZHI[i + 1]]),
  ]
}

const tables = {
  'day_yi_ji.tsv': [
    [
      '每日宜忌：依月支（月自其节之日起算）与日干支。月干不影响结果。',
      '每行以制表符分成四栏：月支、日干支、宜、忌。宜、忌中的事项以空格分隔，依原表次序；空栏为无。',
    ],
    dayYiJi,
  ],
  'day_spirits.tsv': [
    [
      '吉神宜趋与凶煞宜忌：依月支（月自其节之日起算）与日干支。',
      '每行以制表符分成四栏：月支、日干支、吉神、凶煞，各以空格分隔，依原表次序；空栏为无。',
    ],
    daySpirits,
  ],
  'duty_gods.tsv': [
    [
      '十二值神轮值：日以月支为主，时以日支为主。',
      '每行以制表符分成十三栏：主支，然后依次为子、丑……亥各支所值之神。',
    ],
    dutyGods,
  ],
  'duty_god_kinds.tsv': [['十二值神之黄道、黑道与吉凶。每行三栏：神、道、吉凶。'], dutyGodKinds],
  'clash_branches.tsv': [['地支相冲与煞方。每行三栏：日支、所冲之支、煞方。'], clashBranches],
  'clash_stems.tsv': [['冲日所标之天干。每行两栏：日干、所冲之干。'], clashStems],
  'pengzu.tsv': [['彭祖百忌：天干十句，地支十二句。每行两栏：干或支、忌语。'], pengzu],
}

checkStemFree()
const check = process.argv.includes('--check')
let stale = 0
for (const [file, [what, build]] of Object.entries(tables)) {
  const text = header(what) + build().map((row) => row.join('\t') + '\n').join('')
  const path = resolve(outDir, file)
  if (check) {
    let old = ''
    try {
      old = readFileSync(path, 'utf8')
    } catch {}
    if (old !== text) {
      console.error(`${file} is not what gen.mjs writes`)
      stale++
    }
  } else {
    writeFileSync(path, text)
  }
}
process.exit(stale ? 1 : 0)
