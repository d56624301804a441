// Where the workspace files are read and written: beside a writable
// program, else in the user's configuration folder, reading what an
// administrator left beside the program until the user has files of their
// own.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/WorkspaceLocation.h"
#include "tests/support/TestFiles.h"

using tmtest::CTempDir;

TEST(WorkspaceLocation, UserFolderTakesOverWhenTheProgramFolderIsNotWritable)
{
    CTempDir program, user;
    const std::wstring userFolder = user.WFile(L"tmscore");

    CWorkspaceLocation beside = CWorkspaceLocation::Choose(program.WPath(), true, userFolder);
    EXPECT_EQ(beside.m_readFolder, program.WPath());
    EXPECT_EQ(beside.m_writeFolder, program.WPath());

    // Nothing of the user's yet: the pair beside the program is read.
    CWorkspaceLocation first = CWorkspaceLocation::Choose(program.WPath(), false, userFolder);
    EXPECT_EQ(first.m_readFolder, program.WPath());
    EXPECT_EQ(first.m_writeFolder, userFolder);
    ASSERT_TRUE(first.MakeWriteFolder());

    // Once the user's folder holds a file of the pair, both come from there.
    tmtest::WriteBytes(user.File("tmscore/projectlist.txt"), "");
    CWorkspaceLocation later = CWorkspaceLocation::Choose(program.WPath(), false, userFolder);
    EXPECT_EQ(later.m_readFolder, userFolder);
    EXPECT_EQ(later.m_writeFolder, userFolder);
}

TEST(WorkspaceLocation, UserFolderFollowsXdgConfigHomeElseHome)
{
    const char* savedXdg = getenv("XDG_CONFIG_HOME");
    const char* savedHome = getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "", home = savedHome ? savedHome : "";

    setenv("XDG_CONFIG_HOME", "/srv/cfg/", 1);
    setenv("HOME", "/home/teacher", 1);
    EXPECT_EQ(CWorkspaceLocation::UserFolder(), L"/srv/cfg/tmscore");
    setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
    EXPECT_EQ(CWorkspaceLocation::UserFolder(), L"/home/teacher/.config/tmscore");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(CWorkspaceLocation::UserFolder(), L"");

    savedXdg ? setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}
