// Any command line, as the program takes it: a lone --help, -h, --version or -v prints, every other
// list of arguments, joined by one blank, is the search text at start-up.
#include "fuzz_support.h"

#include "app/command_line.h"

#include <string>
#include <vector>

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input's NUL bytes separate the arguments, as they do in a process's argument block.
    std::vector<std::string> arguments{"orbisco"};
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += char(data[i]);
        }
    }
    if (size > 0)
        arguments.push_back(current);
    std::vector<const char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(argument.c_str());

    const int argc = int(argv.size());
    switch (commandLineRequest(argc, argv.data())) {
    case CommandLineRequest::Usage:
        FUZZ_CHECK(argc == 2 && (arguments[1] == "--help" || arguments[1] == "-h"));
        FUZZ_CHECK(usageText().endsWith(u'\n') && usageText().contains(u"--version"));
        return 0;
    case CommandLineRequest::Version:
        FUZZ_CHECK(argc == 2 && (arguments[1] == "--version" || arguments[1] == "-v"));
        FUZZ_CHECK(versionText() == u"Orbisco " ORBISCO_VERSION "\n");
        return 0;
    case CommandLineRequest::Search:
        break;
    }
    const QString text = commandLineText(argc, argv.data());
    FUZZ_CHECK(text.count(u' ') >= qsizetype(arguments.size()) - 2);
    const auto form = loadedForm(text);
    FUZZ_CHECK(form->Text1.Text() == text);
    fuzz::checkCounter(*form);
    if (text.isEmpty())
        FUZZ_CHECK(form->List1.ListCount() == 243);
    return 0;
}
