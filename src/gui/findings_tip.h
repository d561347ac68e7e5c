#pragma once

#include <QString>
#include <vector>

// moc cannot parse the C++20 library headers the core's types pull in.
#ifndef Q_MOC_RUN
#include "registration/finding.h"
#endif

namespace zeruda::gui {

// Registration findings as tooltip lines: "【level】reason（source）" each.
QString findingsTip(const std::vector<registration::Finding>& findings);

}  // namespace zeruda::gui
