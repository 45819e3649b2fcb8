#include "display/painttuning.h"
#include "language/language.h"
#include "scoreboard/contestjournal.h"
#include "settings/boardsettings.h"
#include "startup/application.h"
#include "startup/commandline.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // --help needs no screen: it prints the options, in the program's
    // language, and ends.
    if (kv::ParseCommandLine(kv::RawArguments(argc, argv)).Help) {
        QCoreApplication core(argc, argv);
        kv::ApplyLanguage(kv::ResolveLanguage(kv::ReadLanguageSetting()));
        std::fputs(qPrintable(kv::CommandLineHelp()), stdout);
        return 0;
    }
    kv::TunePainting();
    kv::KorvelinApplication application(argc, argv);
    // The program keeps its contest in the user's data folder.
    kv::UseContestJournal(kv::StandardJournalPath());
    return application.Run();
}
