#include "core/ui/Session.h"
#include "support/TestEnv.h"

namespace {

// Linked into every UI test as an object file, so it runs before main and each TestEnv then
// comes with a session.
[[maybe_unused]] const bool kSessionMade = [] {
    TestEnv::makeSession = [](TestEnv& env) {
        return std::make_shared<Session>(env.db, env.prompter, env.clock, LocaleText(testLocale()),
                                         env.dir.path());
    };
    return true;
}();

} // namespace
