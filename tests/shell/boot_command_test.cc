// The log-on entry carries the home and ports the program was started with, quoted for a desktop entry.
#include "shell/boot_command.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct BootCase {
    std::optional<std::string> home;
    std::optional<std::string> ports;
    std::string exec;
};

TEST(BootCommand, CarriesTheEnvironmentQuotedForTheExecKey) {
    const BootCase cases[] = {
        {std::nullopt, std::nullopt, "/opt/t/tavreld --boot"},
        {"/srv/tavrel", "sim", "env TAVREL_HOME=/srv/tavrel TAVREL_PORTS=sim /opt/t/tavreld --boot"},
        // A space, a dollar and a backslash: quoted, escaped, and the backslash doubled again for the file.
        {"/srv/my $home\\x", std::nullopt, R"(env "TAVREL_HOME=/srv/my \\$home\\\\x" /opt/t/tavreld --boot)"},
        {"/srv/100%", std::nullopt, "env TAVREL_HOME=/srv/100%% /opt/t/tavreld --boot"},
    };
    for (const BootCase& c : cases)
        EXPECT_EQ(BootCommand("/opt/t", c.home, c.ports), c.exec) << c.home.value_or("(unset)");
}

} // namespace
} // namespace tavrel
