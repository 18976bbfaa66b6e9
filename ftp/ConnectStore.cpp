// Connection profiles and last connect values in their INI files.
#include "ftp/ConnectStore.h"

#include <algorithm>

#include "ftp/ReverseText.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace sorxfer {

namespace {

const std::string kConnect = "Connect";

std::string bytes(const QString& s) {
    return s.toStdString();
}
QString text(const std::string& s) {
    return QString::fromStdString(s);
}

bool profileLess(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// The keys every profile and the "Connect" section share.
ConnectValues readValues(const wf::IniFile& ini, const std::string& section) {
    ConnectValues v;
    v.host = text(ini.readString(section, "Host"));
    v.userID = text(ini.readString(section, "UserID"));
    v.password = ReverseText(text(ini.readString(section, "Password")));
    v.directory = text(ini.readString(section, "Directory"));
    v.passive = ini.readInteger(section, "Passive", 0) != 0;
    return v;
}

void writeValues(wf::IniFile& ini, const std::string& section, const ConnectValues& v) {
    ini.writeString(section, "Host", bytes(v.host));
    ini.writeString(section, "UserID", bytes(v.userID));
    ini.writeString(section, "Password", bytes(ReverseText(v.password)));
    ini.writeString(section, "Directory", bytes(v.directory));
    ini.writeInteger(section, "Passive", v.passive ? 1 : 0);
}

}  // namespace

void sortProfileNames(QStringList& names) {
    std::stable_sort(names.begin(), names.end(), profileLess);
}

qsizetype sortedInsertPosition(const QStringList& names, const QString& name) {
    return std::upper_bound(names.begin(), names.end(), name, profileLess) - names.begin();
}

ConnectStore::ConnectStore(const QString& appDir)
    : profilesPath_(text(wf::settingsPath(bytes(appDir), "ftpcon.ini"))),
      settingsPath_(text(wf::settingsPath(bytes(appDir), "sorxfer.ini"))) {}

QStringList ConnectStore::profileNames() const {
    QStringList names;
    for (const std::string& s : wf::IniFile(bytes(profilesPath_)).sections()) names << text(s);
    sortProfileNames(names);
    return names;
}

ConnectValues ConnectStore::loadProfile(const QString& name) const {
    ConnectValues v = readValues(wf::IniFile(bytes(profilesPath_)), bytes(name));
    v.profile = name;
    return v;
}

void ConnectStore::saveProfile(const ConnectValues& v) {
    if (v.profile.isEmpty())
        throw wf::Error("Type a profile name in \"Profile Name:\" to save the profile under.");
    wf::IniFile ini(bytes(profilesPath_));
    writeValues(ini, bytes(v.profile), v);
}

void ConnectStore::deleteProfile(const QString& name) {
    wf::IniFile(bytes(profilesPath_)).eraseSection(bytes(name));
}

ConnectValues ConnectStore::loadLast() const {
    const wf::IniFile ini(bytes(settingsPath_));
    ConnectValues v = readValues(ini, kConnect);
    v.profile = text(ini.readString(kConnect, "Profile"));
    return v;
}

void ConnectStore::saveLast(const ConnectValues& v) {
    wf::IniFile ini(bytes(settingsPath_));
    ini.writeString(kConnect, "Profile", bytes(v.profile));
    writeValues(ini, kConnect, v);
}

}  // namespace sorxfer
