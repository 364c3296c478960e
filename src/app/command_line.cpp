#include "app/command_line.h"

namespace orbisco {

QString commandLineText(int argc, const char *const *argv)
{
    QString text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += u' ';
        text += QString::fromLocal8Bit(argv[i]);
    }
    return text;
}

} // namespace orbisco
