// Writes a state list over and over (for state-kill-check.sh): each round
// puts an entry of two kilobytes, so a kill lands inside a write.
#include "settings/StateList.h"

#include <QByteArray>
#include <QString>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    StateList list(QString::fromLocal8Bit(argv[1]), 300);
    for (quint64 round = 0;; ++round)
        if (!list.Put("key " + QByteArray::number(round % 400) + QByteArray(2000, 'x'),
                      QByteArray::number(round)))
            return 1;
}
