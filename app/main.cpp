#include "display/painttuning.h"
#include "scoreboard/contestjournal.h"
#include "startup/application.h"
#include "startup/commandline.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // --help needs no screen: it prints the options and ends.
    if (kv::ParseCommandLine(kv::RawArguments(argc, argv)).Help) {
        std::fputs(qPrintable(kv::CommandLineHelp()), stdout);
        return 0;
    }
    kv::TunePainting();
    kv::KorvelinApplication application(argc, argv);
    // The program keeps its contest in the user's data folder.
    kv::UseContestJournal(kv::StandardJournalPath());
    return application.Run();
}
