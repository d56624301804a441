// tmscore-cli: the batch command line of TmScore.
#include <cstdio>
#include <cstring>

#include "tools/TmString.h"

int main(int argc, char** argv)
{
    if (argc < 2 || strcmp(argv[1], "--help") == 0) {
        fprintf(stderr, "usage: tmscore-cli COMMAND ...\n");
        return 2;
    }
    std::string text;
    TMTOOLS::String::DecodeUnicode(0, TMTOOLS::String::stringFormat(L"%s: the grading pipeline is not there yet", L"tmscore-cli"), text);
    fprintf(stderr, "%s\n", text.c_str());
    return 2;
}
