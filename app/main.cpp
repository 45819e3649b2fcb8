#include "startup/application.h"

int main(int argc, char** argv)
{
    kv::KorvelinApplication application(argc, argv);
    return application.Run();
}
