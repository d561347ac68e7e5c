// The fixed inputs the browser edition is checked on: drawn from a seeded generator,
// so every run checks the same bodies, birth moments and days.
'use strict';

// Characters seen in company and given names, some traditional, some rare, a few
// of them missing from the element table.
const kCharacters =
  '华通金星泰和瑞丰宏达鑫源恒信博安嘉德永盛天成汇聚明远新创力东方红光海阳正大万隆中科云智福康宁美佳乐' +
  '兴旺昌荣富贵祥龙凤腾飞宇彩虹雅静清风月山川林森水火土石玉晶辉耀华夏龍鳳國際廣發興業晟昊淼鑫犇骉' +
  '一二三四五六七八九十百千';

function seeded(seed) {
  let state = seed >>> 0;
  return (bound) => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return state % bound;
  };
}

const pad = (n) => String(n).padStart(2, '0');

// 200 bodies of two to four characters.
function bodies() {
  const draw = seeded(20240611);
  const list = [];
  while (list.length < 200) {
    const length = 2 + draw(3);
    let body = '';
    for (let i = 0; i < length; ++i) body += kCharacters[draw(kCharacters.length)];
    list.push(body);
  }
  return list;
}

// A date within the calendar (1901-02-19 to 2048-12-31), as YYYY-MM-DD.
function dateFrom(draw, firstYear = 1902, lastYear = 2048) {
  const year = firstYear + draw(lastYear - firstYear + 1);
  const month = 1 + draw(12);
  const day = 1 + draw(new Date(Date.UTC(year, month, 0)).getUTCDate());
  return `${year}-${pad(month)}-${pad(day)}`;
}

// 50 birth moments, among them the hours around midnight and the turn of a year.
function birthMoments() {
  const draw = seeded(19850615);
  const list = [
    { date: '1985-06-15', time: '08:30' },
    { date: '2000-01-01', time: '00:00' },
    { date: '1999-12-31', time: '23:59' },
    { date: '2024-02-04', time: '16:27' },
  ];
  while (list.length < 50) list.push({ date: dateFrom(draw), time: `${pad(draw(24))}:${pad(draw(60))}` });
  return list;
}

// 60 almanac days, the calendar's first and last among them.
function almanacDays() {
  const draw = seeded(20270105);
  const list = ['1901-02-19', '2048-12-31'];
  while (list.length < 60) list.push(dateFrom(draw));
  return list;
}

module.exports = { bodies, birthMoments, almanacDays, seeded };
