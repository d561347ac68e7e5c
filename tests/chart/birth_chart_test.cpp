#include "chart/birth_chart.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::chart {
namespace {

TEST(FillChart, WritesPillarsElementsAnimalAndSign) {
  BirthChart chart;
  chart.birthMoment = {2000, 1, 1, 12, 0, 0};
  fillChart(chart);
  EXPECT_EQ(test::utf8(calendar::eightCharacters(chart.pillars)), "己卯丙子戊午戊午");
  EXPECT_EQ(test::utf8(chart.pillarElements), "土木 火水 土火 土火");
  EXPECT_EQ(test::utf8(chart.zodiacAnimal), "兔");
  EXPECT_EQ(test::utf8(chart.starSign), "摩羯座");
}

TEST(FillChart, ElementsOfEveryPillarInOrder) {
  // 1949-10-01 15:00 is 己丑 癸酉 甲子 壬申.
  BirthChart chart;
  chart.birthMoment = {1949, 10, 1, 15, 0, 0};
  fillChart(chart);
  EXPECT_EQ(test::utf8(chart.pillarElements), "土土 水金 木水 水金");
}

TEST(FillChart, OutOfSpanLeavesEmptyPillarsAndThreeSpaces) {
  BirthChart chart;
  chart.birthMoment = {1900, 8, 1, 12, 0, 0};
  fillChart(chart);
  EXPECT_EQ(chart.pillars, calendar::FourPillars{});
  EXPECT_EQ(chart.pillarElements, "   ");
  EXPECT_EQ(chart.zodiacAnimal, "");
  EXPECT_EQ(test::utf8(chart.starSign), "狮子座");
  for (const auto& nayin : chartNayin(chart)) EXPECT_EQ(nayin, "");
}

TEST(ChartNayin, NamesYearMonthDayAndHourInOrder) {
  BirthChart chart;
  chart.birthMoment = {2000, 1, 1, 12, 0, 0};
  fillChart(chart);
  const auto nayin = chartNayin(chart);
  EXPECT_EQ(test::utf8(nayin[0]), "城墙土");
  EXPECT_EQ(test::utf8(nayin[1]), "涧下水");
  EXPECT_EQ(test::utf8(nayin[2]), "天上火");
  EXPECT_EQ(test::utf8(nayin[3]), "天上火");
}

}  // namespace
}  // namespace zeruda::chart
