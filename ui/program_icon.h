// The program's icon, compiled into the program in every size it is drawn at.
#pragma once

#include <QIcon>

namespace vorn {

QIcon ProgramIcon();

}  // namespace vorn
