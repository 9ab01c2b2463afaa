// The program's icon.
#include "ui/program_icon.h"

namespace vorn {

QIcon ProgramIcon() {
  static constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
  QIcon icon;
  for (const int size : kSizes) {
    icon.addFile(QStringLiteral(":/icons/vorn-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace vorn
