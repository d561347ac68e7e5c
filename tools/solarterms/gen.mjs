// Builds data/calendar/solar_terms.inc: for every year 1880-2079, the Beijing-time
// moment (to the second, truncated) at which each of the 24 solar terms begins.
//
// Usage:  node gen.mjs           write the table (after the reference check passes)
//         node gen.mjs --check   only verify that the committed table is up to date
//
// The sun's apparent longitude comes from the full VSOP87B Earth series with FK5
// correction, nutation and aberration; the instant it reaches each multiple of
// 15 degrees is found by Newton iteration in dynamical time and then shifted to
// UT with a cubic Delta-T polynomial.

import { readFileSync, writeFileSync } from 'node:fs'
import { dirname, resolve } from 'node:path'
import { fileURLToPath } from 'node:url'
import { solar, planetposition } from 'astronomia'
import earthSeries from 'astronomia/data/vsop87Bearth'

const FIRST_YEAR = 1880
const LAST_YEAR = 2079
const TERMS_PER_YEAR = 24
const BEIJING_OFFSET_S = 8 * 3600
const SECONDS_PER_DAY = 86400

const TERM_NAMES = [
  '小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨',
  '立夏', '小满', '芒种', '夏至', '小暑', '大暑', '立秋', '处暑',
  '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'
]

// Known term moments; the table is only written if it reproduces every one
// of them to the second.
// [year, term index (0 = 小寒), 'MM-DD hh:mm:ss' Beijing time]
const REFERENCE_MOMENTS = [
  [1880, 0, '01-06 05:41:45'],
  [1880, 2, '02-04 17:30:39'],
  [1880, 23, '12-21 18:18:24'],
  [1901, 0, '01-06 07:53:30'],
  [1901, 2, '02-04 19:39:59'],
  [2014, 0, '01-05 18:24:05'],
  [2014, 1, '01-20 11:51:09'],
  [2014, 2, '02-04 06:03:10'],
  [2014, 4, '03-06 00:02:09'],
  [2014, 16, '09-08 01:01:18'],
  [2014, 23, '12-22 07:02:53'],
  [2079, 2, '02-04 00:42:22'],
  [2079, 23, '12-22 01:43:12']
]

const here = dirname(fileURLToPath(import.meta.url))
const OUTPUT = resolve(here, '../../data/calendar/solar_terms.inc')

const TWO_PI = 2 * Math.PI
const TROPICAL_YEAR_DAYS = 365.242189
const earth = new planetposition.Planet(earthSeries)

// ---------------------------------------------------------------------------
// Gregorian calendar helpers (integer arithmetic only, so results never depend
// on floating-point rounding of a Julian Day).

function isLeap (y) {
  return (y % 4 === 0 && y % 100 !== 0) || y % 400 === 0
}

const MONTH_DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]

function monthLength (y, m) {
  return m === 2 && isLeap(y) ? 29 : MONTH_DAYS[m - 1]
}

function daysInYear (y) {
  return isLeap(y) ? 366 : 365
}

// Julian Day number of noon on 1 January of year y (proleptic Gregorian).
function jdnOfJan1 (y) {
  const a = y - 1 // years completed before y
  return 1721426 + 365 * a + Math.floor(a / 4) - Math.floor(a / 100) + Math.floor(a / 400)
}

// Julian Date of 00:00 UT on 1 January of year y.
function jdOfJan1 (y) {
  return jdnOfJan1(y) - 0.5
}

// ---------------------------------------------------------------------------
// Astronomy

function apparentSolarLongitude (jde) {
  return solar.apparentVSOP87(earth, jde).lon
}

// Signed difference a - b folded into (-pi, pi].
function angleDiff (a, b) {
  let d = (a - b) % TWO_PI
  if (d > Math.PI) d -= TWO_PI
  if (d <= -Math.PI) d += TWO_PI
  return d
}

// The Julian Ephemeris Day at which the apparent longitude equals `degrees`,
// starting from a guess within a few days. The sun's speed varies by only a
// few percent over the year, so a Newton step with the mean rate gains
// roughly 1.5 digits per iteration.
function solveLongitude (degrees, guessJde) {
  const target = degrees * Math.PI / 180
  const rate = TWO_PI / TROPICAL_YEAR_DAYS // radians per day
  let jde = guessJde
  for (let i = 0; i < 40; i++) {
    const step = angleDiff(target, apparentSolarLongitude(jde)) / rate
    jde += step
    // 1e-8 d is under a millisecond; the step just taken shrinks the error
    // by another factor of ~30. Going lower would hit the resolution of a
    // double holding a Julian Day (~4e-5 s).
    if (Math.abs(step) < 1e-8) {
      const residual = Math.abs(angleDiff(target, apparentSolarLongitude(jde)))
      if (residual / rate * SECONDS_PER_DAY > 0.001) {
        throw new Error(`longitude ${degrees}: residual ${residual} rad after convergence`)
      }
      return jde
    }
  }
  throw new Error(`longitude ${degrees}: no convergence from JDE ${guessJde}`)
}

// Delta-T = TT - UT in seconds for a decimal year.
function deltaTSeconds (decimalYear) {
  const t = (decimalYear - 1950) / 100
  return 17.262 + t * (57.333 + t * (40.068 + t * 9.854))
}

// Decimal year of a UT Julian Date that lies within Gregorian year y:
// y plus the elapsed fraction of that year.
function decimalYear (y, jdUT) {
  return y + (jdUT - jdOfJan1(y)) / daysInYear(y)
}

// Longitude (degrees) at which term k begins; 小寒 is 285°.
function termLongitude (k) {
  return (285 + 15 * k) % 360
}

// Seconds elapsed since 1 January 00:00:00 Beijing time of year y, truncated.
function termSecondsIntoYear (y, k) {
  // 小寒 falls on 5-7 January and terms are ~15.2 days apart.
  const guess = jdOfJan1(y) + 5 + 15.2184 * k
  const jde = solveLongitude(termLongitude(k), guess)
  // Delta-T changes by at most a few seconds a year here, so evaluating it at
  // the TT instant and then refining once at the UT instant is exact enough.
  let jdUT = jde - deltaTSeconds(decimalYear(y, jde)) / SECONDS_PER_DAY
  jdUT = jde - deltaTSeconds(decimalYear(y, jdUT)) / SECONDS_PER_DAY
  const secs = Math.floor((jdUT - jdOfJan1(y)) * SECONDS_PER_DAY + BEIJING_OFFSET_S)
  if (secs < 0 || secs >= daysInYear(y) * SECONDS_PER_DAY) {
    throw new Error(`${y} ${TERM_NAMES[k]} falls outside its Gregorian year`)
  }
  return secs
}

function toCivil (y, secs) {
  let dayOfYear = Math.floor(secs / SECONDS_PER_DAY)
  let rest = secs - dayOfYear * SECONDS_PER_DAY
  let month = 1
  while (dayOfYear >= monthLength(y, month)) {
    dayOfYear -= monthLength(y, month)
    month++
  }
  const hour = Math.floor(rest / 3600)
  rest -= hour * 3600
  const minute = Math.floor(rest / 60)
  const second = rest - minute * 60
  return [month, dayOfYear + 1, hour, minute, second]
}

// ---------------------------------------------------------------------------

function computeTable () {
  const table = new Map()
  for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
    const row = []
    let previous = -Infinity
    for (let k = 0; k < TERMS_PER_YEAR; k++) {
      const secs = termSecondsIntoYear(y, k)
      // Consecutive terms are 14.7-15.8 days apart; anything else means the
      // solver locked onto the wrong crossing.
      const gapDays = (secs - previous) / SECONDS_PER_DAY
      if (k > 0 && (gapDays < 14 || gapDays > 17)) {
        throw new Error(`${y} ${TERM_NAMES[k]}: implausible gap of ${gapDays.toFixed(2)} days`)
      }
      previous = secs
      row.push(toCivil(y, secs))
    }
    table.set(y, row)
  }
  return table
}

const pad2 = (n) => String(n).padStart(2, '0')

function formatMoment ([mo, d, h, mi, s]) {
  return `${pad2(mo)}-${pad2(d)} ${pad2(h)}:${pad2(mi)}:${pad2(s)}`
}

function checkReferences (table) {
  const failures = []
  for (const [y, k, expected] of REFERENCE_MOMENTS) {
    const got = formatMoment(table.get(y)[k])
    if (got !== expected) {
      failures.push(`${y} ${TERM_NAMES[k]}: expected ${expected}, computed ${got}`)
    }
  }
  return failures
}

function render (table) {
  const lines = [
    '// Generated by tools/solarterms/gen.mjs from astronomia 4.2.0 (VSOP87B); do not edit.',
    '// One row per year: month, day, hour, minute, second (Beijing time, UTC+8) at which each of the 24 solar terms begins, in order from 小寒 to 冬至.'
  ]
  for (const [y, row] of table) {
    const entries = row.map((entry) => entry.map((n) => `${n},`).join(''))
    lines.push(`/* ${y} */ ${entries.join(' ')}`)
  }
  return lines.join('\n') + '\n'
}

function main () {
  const checkOnly = process.argv.includes('--check')
  const table = computeTable()

  const failures = checkReferences(table)
  if (failures.length > 0) {
    console.error('Reference moments do not match:')
    for (const f of failures) console.error('  ' + f)
    process.exit(1)
  }
  console.log(`All ${REFERENCE_MOMENTS.length} reference moments match.`)

  const text = render(table)
  if (checkOnly) {
    let current = ''
    try {
      current = readFileSync(OUTPUT, 'utf8')
    } catch {
      // a missing file is reported as out of date below
    }
    if (current !== text) {
      console.error(`${OUTPUT} is out of date; run: node tools/solarterms/gen.mjs`)
      process.exit(1)
    }
    console.log(`${OUTPUT} is up to date.`)
    return
  }
  writeFileSync(OUTPUT, text)
  console.log(`Wrote ${OUTPUT} (${table.size} years x ${TERMS_PER_YEAR} terms).`)
}

main()
