#pragma once

// The two system services the player is built on, under the names and
// signatures Windows gives them. On Windows they come from WINMM and SHLWAPI;
// elsewhere the platform folder supplies them.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <mmsystem.h>
#include <shlwapi.h>
#else
#include <cstdint>

using MCIERROR = std::uint32_t;
using HWND = void*;
using BOOL = int;
using UINT = unsigned int;

extern "C" {
// Sends one command text to the media device. 0 is success; on success a
// command with a reply writes it, zero-terminated, into reply (at most
// reply_size bytes including the terminator).
MCIERROR mciSendStringA(const char* command, char* reply, UINT reply_size, HWND callback);

// 1 when a file or a folder exists at the path, else 0.
BOOL PathFileExistsA(const char* path);
}
#endif
