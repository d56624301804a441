// Where the workspace files (config.xml, projectlist.txt) are read and
// written.
//
// Beside the program while its folder is writable: a program folder set up
// by hand, or the build tree. An installed program's folder (/usr/bin) is
// not the user's, so there they live in the user's configuration folder,
// $XDG_CONFIG_HOME/tmscore (~/.config/tmscore when XDG_CONFIG_HOME is unset
// or not absolute). Reading takes the pair from the user's folder once
// either file is there, else the pair beside the program, so that files an
// administrator laid beside the program are read once and nothing is lost;
// writing always goes to the user's folder.
//
// Not here: reading or writing the files (Workspace*.cpp).
#pragma once

#include <string>

class CWorkspaceLocation {
public:
    // The location for programFolder on this machine: looks at whether the
    // folder is writable, at the environment and at the user's folder.
    static CWorkspaceLocation Find(const std::wstring& programFolder);
    // The rule itself, for a folder whose writability is known and the
    // user's configuration folder (empty: there is none, the files stay
    // beside the program).
    static CWorkspaceLocation Choose(const std::wstring& programFolder, bool programFolderWritable,
                                     const std::wstring& userFolder);
    // $XDG_CONFIG_HOME/tmscore, or $HOME/.config/tmscore; empty when
    // neither variable gives an absolute path.
    static std::wstring UserFolder();

    // Says where the files are, in Chinese, for tmscore --help: the
    // folder, and when it is the user's, why, and where this start reads.
    std::wstring Describe(const std::wstring& programFolder) const;

    // Makes the write folder when it is missing (the user's folder is made
    // private to the user, 0700). True when it exists afterwards.
    bool MakeWriteFolder() const;

    std::wstring m_readFolder;
    std::wstring m_writeFolder;
};
