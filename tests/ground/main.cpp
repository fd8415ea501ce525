#include <QCoreApplication>

int runTextFileTest(int argc, char **argv);
int runContentPathTest(int argc, char **argv);
int runTextCaretTest(int argc, char **argv);
int runSharedLockTest(int argc, char **argv);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runTextFileTest, runContentPathTest, runTextCaretTest, runSharedLockTest})
        failures += run(argc, argv);
    return failures;
}
