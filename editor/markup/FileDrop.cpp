// What the file panel does with a file, and the markup it inserts.
#include "editor/markup/FileDrop.h"

#include "editor/Insertion.h"
#include "editor/myutils.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstdint>

namespace wrenfold {

namespace {

bool isOneOf(std::string_view extension, std::initializer_list<std::string_view> list) {
    return std::find(list.begin(), list.end(), extension) != list.end();
}

std::string quoted(std::string_view before, std::string_view url, std::string_view after) {
    std::string out;
    out.reserve(before.size() + url.size() + after.size());
    out.append(before).append(url).append(after);
    return out;
}

std::string addressFor(const FileDropRequest& request) {
    const std::string url = linkUrl(request.activePath, request.file);
    return request.toDocument ? request.toDocument(url) : url;
}

}  // namespace

std::string fileExtension(std::string_view path) {
    std::string ext = wf::extensionPart(path);
    // Only A..Z: the names' other bytes (UTF-8 or ANSI) stay as they are.
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

std::string linkBase(std::string_view activePath, std::string_view file) {
    // A path without a folder (a bare "Untitled") has no folder to be relative to either.
    std::string base = wf::folderPart(activePath);
    if (base.empty()) base = wf::folderPart(file);
    return base;
}

std::string linkUrl(std::string_view activePath, std::string_view file) {
    return RelativeUrl(linkBase(activePath, file), std::string(file));
}

DoubleClickAction doubleClickAction(std::string_view extension) {
    if (isOneOf(extension, {".html", ".htm", ".shtml", ".pl", ".pas", ".dpr", ".js", ".txt"}))
        return DoubleClickAction::OpenAsText;
    if (isOneOf(extension, {".jpg", ".gif", ".png", ".mid", ".wav", ".au", ".bmp"}))
        return DoubleClickAction::OpenWithProgram;
    return DoubleClickAction::Nothing;
}

DropKind dropKind(std::string_view extension) {
    if (isOneOf(extension, {".html", ".htm", ".shtml"})) return DropKind::Link;
    if (isOneOf(extension, {".jpg", ".bmp", ".gif", ".png"})) return DropKind::Picture;
    if (isOneOf(extension, {".au", ".wav", ".mid", ".aif"})) return DropKind::Sound;
    return DropKind::Nothing;
}

std::string keyLinkOpen(std::string_view url) { return quoted("<A HREF=\"", url, "\">"); }

std::string dropLinkOpen(std::string_view url) { return quoted("<A href=\"", url, "\">"); }

std::string imageMarkup(std::string_view url, const PictureSize& size) {
    return quoted("<IMG src=\"", url, "\" width=") + std::to_string(size.width) +
           " height=" + std::to_string(size.height) + " border=0>";
}

std::string soundMarkup(DropAudio audio, std::string_view url) {
    switch (audio) {
        case DropAudio::N:
            return quoted("<EMBED src=\"", url, "\" width=0 height=0 autostart=true loop=1>");
        case DropAudio::IE: return quoted("<BGSOUND src=\"", url, "\">");
        case DropAudio::C:
            return quoted("<EMBED type=\"music/crescendo\" song=\"", url, "\" pluginspage=\"") +
                   std::string(PLUGINPAGE) + "\" width=200 height=55>";
        case DropAudio::L: return dropLinkOpen(url);
    }
    return {};
}

PictureSize droppedPictureSize(const std::string& file, std::string_view extension) {
    if (extension == ".jpg") return JpegPictureSize(file);
    if (extension == ".bmp") return BmpPictureSize(file);
    PictureSize dims;
    if (extension == ".gif" || extension == ".png") {
        // A PNG reader leaves the outputs alone for a file that is no PNG inside: 0 x 0 then.
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        if (extension == ".gif")
            GifPictureSize(file, width, height);
        else
            PngPictureSize(file, width, height);
        dims.width = width;
        dims.height = height;
    }
    return dims;
}

bool dropFile(EditorOps& ops, const FileDropRequest& request) {
    const std::string extension = fileExtension(request.file);
    switch (dropKind(extension)) {
        case DropKind::Link:
            html2(ops, dropLinkOpen(addressFor(request)), std::string(kLinkClose));
            return true;
        case DropKind::Picture: {
            const PictureSize size = droppedPictureSize(request.file, extension);
            html1(ops, imageMarkup(addressFor(request), size));
            return true;
        }
        case DropKind::Sound:
            html1(ops, soundMarkup(request.audio, addressFor(request)));
            return true;
        case DropKind::Nothing: break;
    }
    return false;
}

void linkFile(EditorOps& ops, const FileDropRequest& request) {
    html2(ops, keyLinkOpen(addressFor(request)), std::string(kLinkClose));
}

}  // namespace wrenfold
