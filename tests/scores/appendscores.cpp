// Corvanthelix - a helper for the tests: appends score lines as the game does,
// so that two processes can do it at once.
//   appendscores PATH NAME COUNT  ->  NAME,0 ... NAME,COUNT-1
#include "scores/scorefile.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const AppendResult result = AppendScoreLine(path, name + QLatin1Char(',') + QString::number(i));
        if (!result.stored) {
            std::fprintf(stderr, "%s\n", qPrintable(result.reason));
            return 1;
        }
    }
    return 0;
}
