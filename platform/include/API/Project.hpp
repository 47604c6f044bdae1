// Project-level records of the stand-in host: library parts, stories, project notes, autotexts.
#pragma once

#include "API/Types.hpp"

using API_LibTypeID = Int32;
enum : API_LibTypeID {
    APILib_Unknown = 0,
    APILib_SpecID = 1,
    APILib_WindowID = 2,
    APILib_DoorID = 3,
    APILib_ObjectID = 4,
    APILib_LampID = 5
};

struct API_LibPart {
    API_LibTypeID typeID;
    Int32 index;
    GS::uchar_t docu_UName[256];
};

struct API_StoryType {
    short index;
    double level;
    GS::uchar_t uName[256];
};

// Stories: the table is a handle of API_StoryType, released with BMKillHandle.
struct API_StoryInfo {
    short firstStory = 0;
    short lastStory = 0;
    short actStory = 0;
    API_StoryType** data = nullptr;
};

// Twelve texts of 256 bytes and one of 1024, each zero-terminated.
struct API_ProjectNoteInfo {
    char client[256];
    char projectName[256];
    char company[256];
    char street[256];
    char city[256];
    char country[256];
    char code[256];
    char architect[256];
    char draftsmen[256];
    char projectStatus[256];
    char dateOfIssue[256];
    char keywords[256];
    char notes[1024];
};

using API_AutotextType = Int32;
enum : API_AutotextType {
    APIAutoText_Fixed = 1,
    APIAutoText_Custom = 2,
    APIAutoText_Other = 4,
    APIAutoText_All = 7
};
