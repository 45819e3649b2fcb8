#include "scoreboard/contestjournal.h"
#include "startup/application.h"

int main(int argc, char** argv)
{
    kv::KorvelinApplication application(argc, argv);
    // The program keeps its contest in the user's data folder.
    kv::UseContestJournal(kv::StandardJournalPath());
    return application.Run();
}
