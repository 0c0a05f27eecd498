#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/ESetArrayService.h"
#include "model/MAINDATA.h"

namespace {

// The current equation set is a static object built before anything else;
// the memory of its rows must still be there to give back when it goes at
// the end of the program, after every other static object.
TEST(ProgramExitTest, ALargeCurrentSystemIsFreedCleanlyAtExit)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool sized = InitESetArrays(ESet, 1000);
        std::exit(sized ? 0 : 2);  // a normal exit runs the static destructors
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
