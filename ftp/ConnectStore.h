// The connection profiles ("ftpcon.ini", one section per profile) and the values of the last
// connect dialog ("sorxfer.ini", section "Connect"). Passwords are stored reversed.
#pragma once

#include <QString>
#include <QStringList>

namespace sorxfer {

struct ConnectValues {
    QString profile;
    QString host;
    QString userID;
    QString password;   // as typed, never reversed here
    QString directory;  // local folder to start in
    bool passive = false;

    bool operator==(const ConnectValues&) const = default;
};

// Reads and writes both files; every write is on disk before the call returns and a refused
// one throws wf::Error("Unable to write to " + path). Missing files, sections and keys read as
// empty (Passive as off).
class ConnectStore {
  public:
    // appDir: the program's folder. The files' places are worked out once, here.
    explicit ConnectStore(const QString& appDir);

    const QString& profilesPath() const { return profilesPath_; }
    const QString& settingsPath() const { return settingsPath_; }

    // Section names of "ftpcon.ini", sorted as the profile list shows them.
    QStringList profileNames() const;
    // The profile's values (profile set to name; empty fields when there is no such section).
    ConnectValues loadProfile(const QString& name) const;
    // Writes the profile's keys under v.profile. An empty name is refused with a wf::Error.
    void saveProfile(const ConnectValues& v);
    void deleteProfile(const QString& name);

    ConnectValues loadLast() const;
    void saveLast(const ConnectValues& v);

  private:
    QString profilesPath_;
    QString settingsPath_;
};

// The order of the profile list: without regard to case, then by the exact text.
void sortProfileNames(QStringList& names);
// Where name goes in a list sorted that way (after any equal entries).
qsizetype sortedInsertPosition(const QStringList& names, const QString& name);

}  // namespace sorxfer
