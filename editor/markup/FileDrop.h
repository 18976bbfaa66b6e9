// What the file panel does with a file: the address a link gets, what a double-click, the
// L key and a drop on an editor do by the file's extension, and the markup they insert.
#pragma once

#include "editor/EditorOps.h"
#include "editor/ImgSize.h"

#include <functional>
#include <string>
#include <string_view>

namespace wrenfold {

// Download page of the music plug-in that Crescendo sound markup points its visitors to.
inline constexpr std::string_view PLUGINPAGE = "http://www.liveupdate.com/dl.html";

// The text shown when a command needs a file of the list and none is selected.
inline constexpr std::string_view kSelectFileFirst = "You must select a file first.";

// The choices of rgDandDAudio, in its item order: how a dropped sound is written.
enum class DropAudio { N = 0, IE = 1, C = 2, L = 3 };

// The file's extension from its last full stop on, in lower case ("" when it has none).
std::string fileExtension(std::string_view path);

// The folder links are written relative to: the active document's folder (with its trailing
// separator) or, for an untitled document, the file's own folder, so the link is its bare name.
std::string linkBase(std::string_view activePath, std::string_view file);
// The file's address as a link from the active document: relative, with forward slashes.
std::string linkUrl(std::string_view activePath, std::string_view file);

enum class DoubleClickAction { Nothing, OpenAsText, OpenWithProgram };
// A double-click opens pages, scripts and sources as documents and hands pictures and sounds
// to the desktop's program for them; other files are left alone.
DoubleClickAction doubleClickAction(std::string_view extension);

enum class DropKind { Nothing, Link, Picture, Sound };
DropKind dropKind(std::string_view extension);

// The pieces of markup, with the address already in the document's encoding.
std::string keyLinkOpen(std::string_view url);   // <A HREF="url">  (L key, popup Link)
std::string dropLinkOpen(std::string_view url);  // <A href="url">  (dropped page)
inline constexpr std::string_view kLinkClose = "</A>";
std::string imageMarkup(std::string_view url, const PictureSize& size);
std::string soundMarkup(DropAudio audio, std::string_view url);

// The pixel size of a picture that a drop writes into its IMG tag, read by the reader that
// the extension names (".jpg", ".bmp", ".gif", ".png"). Throws wf::Error with the reader's
// message for a damaged JPEG or bitmap, or a PNG file that cannot be opened.
PictureSize droppedPictureSize(const std::string& file, std::string_view extension);

// Turns UTF-8 text (a file's address) into the bytes of the document it goes into.
// An empty function keeps the UTF-8 bytes.
using ToDocument = std::function<std::string(const std::string& utf8)>;

// The file panel's request: the file (UTF-8 path, as the file system names it), the path of
// the active document ("" when untitled) and how a sound is written.
struct FileDropRequest {
    std::string file;
    std::string activePath;
    DropAudio audio = DropAudio::IE;
    ToDocument toDocument;
};

// A drop on an editor: the markup for the file's extension goes at the selection of ops,
// never at the place the mouse was let go. A picture's size is read before anything is
// inserted, so a picture that cannot be read throws wf::Error and leaves the text as it was.
// Returns whether anything was inserted.
bool dropFile(EditorOps& ops, const FileDropRequest& request);

// The L key and the popup's Link: wraps the selection in a link to the file.
void linkFile(EditorOps& ops, const FileDropRequest& request);

}  // namespace wrenfold
