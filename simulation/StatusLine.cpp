#include "StatusLine.h"

#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QString>
#include <QTextEdit>

int dive_time = -1;

namespace {

int cfValue(int n)
{
    return eeprom.cf(n).value;
}

} // namespace

void print_state(QTextEdit* console, float depth, const QString& label, int minutes)
{
    QString line = QString::asprintf("%3d:%02d %5.1fm", dive_time / 60, dive_time % 60, depth);

    if (!label.isEmpty()) {
        line += ' ' + label;
        if (minutes > 60)
            line += QString::asprintf(" = %2d:%02d", minutes / 60, minutes % 60);
        else if (minutes > 0)
            line += QString::asprintf(" = %d '", minutes);
    }

    const int ppO2 = char_I_actual_ppO2;
    if (ppO2 != 0 && (ppO2 < cfValue(17) - 1 || ppO2 > cfValue(46) + 1))
        line += QString::asprintf(" <font color=\"red\"><b>ppO2=%.2f </b></font>", ppO2 * 0.01);
    else if (ppO2 != 0 && ppO2 >= cfValue(19))
        line += QString::asprintf(" ppO2=%.2f", ppO2 * 0.01);

    const int gf = char_O_gradient_factor;
    if (gf >= cfValue(45))
        line += QString::asprintf(" <font color=\"red\"><b>GF=%d%%</b></font>", gf);
    else if (gf >= cfValue(8))
        line += QString::asprintf(" GF=%d%%", gf);

    const int cns = char_O_CNS_fraction;
    if (cns >= cfValue(44))
        line += QString::asprintf(" <font color=\"red\"><b>CNS=%d%%</b></font>", cns);
    else if (cns >= cfValue(27))
        line += QString::asprintf(" CNS=%d%%", cns);

    console->append(line);
}
