#pragma once

#include "chart/birth_chart.h"
#include "personal/personal_form.h"
#include "profile/profile.h"

namespace zeruda::personal {

// The chart of the person being named, as the request shares it with the worker:
// birth moment, lunar date (with "闰" for a leap month), pillars, zodiac animal,
// star sign, the eight elements grouped per pillar, gender and missing elements.
// The name fields are the request's to fill. Out of the calendar's span the pillars
// and what depends on them are empty.
chart::BirthChart personChartOf(const PersonalForm& form);

// The profile section "先天八字" for the chart; `surname` as the names are built
// from it. "吉数" is the writer's to compute.
profile::PersonalChartProfile personalChartProfileOf(const chart::BirthChart& chart,
                                                     std::string_view surname);

}  // namespace zeruda::personal
