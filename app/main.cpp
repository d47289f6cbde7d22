#include "Form1.h"
#include "LunaOptions.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
    // The options are read before Qt starts, so that --help and mistakes
    // are answered without a display.
    luna::LunaOptions options;
    try {
        options = luna::parseLunaArguments(
            {argv + 1, argv + argc},
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "luna: %s\n", error.what());
        return 2;
    }
    switch (options.task) {
    case luna::LunaOptions::Task::Help:
        std::fputs(luna::lunaUsage().c_str(), stdout);
        return 0;
    case luna::LunaOptions::Task::Version:
        std::printf("luna %s\n", LUNA_VERSION);
        return 0;
    case luna::LunaOptions::Task::Window:
        break;
    }

    QApplication application(argc, argv);
    luna::Form1 form;
    form.setHemisphere(options.hemisphere);
    if (options.when)
        form.showAngle(luna::angleOfElongation(luna::sky::elongation(*options.when),
                                               options.hemisphere));
    form.show();
    return application.exec();
}
