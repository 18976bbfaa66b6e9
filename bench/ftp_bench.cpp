// FTP benchmark: upload and download of a large file over 127.0.0.1 with FtpClient and with
// curl against the same pyftpdlib server in the same run, and parsing a 20,000-line listing.
// Usage: ftp_bench [--size-mb N] [--dir FOLDER]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ftp/FtpClient.h"
#include "ftp/FtpListing.h"

namespace {

const QString kUser = QStringLiteral("bench");
const QString kPassword = QStringLiteral("bench");

struct Server {
    QProcess process;
    quint16 port = 0;
};

bool startServer(Server& s, const QString& root) {
    s.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    s.process.start(QStringLiteral(WF_PYTHON), {QStringLiteral(WF_FTP_SERVER_SCRIPT), "--root",
                                                root, "--user", kUser, "--password", kPassword});
    if (!s.process.waitForStarted(10000)) return false;
    QByteArray out;
    while (!out.contains('\n') && s.process.waitForReadyRead(15000))
        out += s.process.readAllStandardOutput();
    if (!out.startsWith("PORT ")) return false;
    s.port = static_cast<quint16>(out.mid(5, out.indexOf('\n') - 5).trimmed().toUInt());
    return s.port != 0;
}

bool makeFile(const QString& path, qint64 size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    for (qint64 left = size; left > 0; left -= block.size())
        if (f.write(block.constData(), std::min<qint64>(left, block.size())) < 0) return false;
    return true;
}

double mbPerSecond(qint64 bytes, qint64 ms) {
    return ms > 0 ? (static_cast<double>(bytes) / (1024.0 * 1024.0)) /
                        (static_cast<double>(ms) / 1000.0)
                  : 0.0;
}

// Runs curl and returns the milliseconds it took, or -1 when it failed.
qint64 runCurl(const QStringList& args) {
    QProcess curl;
    QElapsedTimer t;
    t.start();
    curl.start(QStringLiteral("curl"), args);
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return t.elapsed();
}

constexpr int kRounds = 3;

qint64 median(std::vector<qint64> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F>
qint64 timeMs(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.elapsed();
}

void report(const char* what, qint64 bytes, qint64 oursMs, qint64 curlMs) {
    const double ours = mbPerSecond(bytes, oursMs);
    const double peer = curlMs > 0 ? mbPerSecond(bytes, curlMs) : 0.0;
    std::printf("%-9s FtpClient %8.1f MB/s (%6lld ms)   curl %8.1f MB/s (%6lld ms)   ratio %.2f\n",
                what, ours, static_cast<long long>(oursMs), peer, static_cast<long long>(curlMs),
                peer > 0 ? ours / peer : 0.0);
}

void listingBenchmark() {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "-rw-r--r--   1 owner    group      " + std::to_string(1000 + i) +
                " Jan 31 12:34 file number " + std::to_string(i) + ".html\r\n";
    std::vector<qint64> runs;
    std::size_t entries = 0;
    for (int r = 0; r < 7; ++r) {
        QElapsedTimer t;
        t.start();
        entries = sorxfer::parseListing(text).size();
        runs.push_back(t.nsecsElapsed());
    }
    std::sort(runs.begin(), runs.end());
    std::printf("LIST parse: %zu lines, median %.2f ms (target < 100 ms)\n", entries,
                static_cast<double>(runs[runs.size() / 2]) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qint64 sizeMb = 512;
    QString base = QDir::tempPath();
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--size-mb") sizeMb = args[i + 1].toLongLong();
        if (args[i] == "--dir") base = args[i + 1];
    }
    listingBenchmark();

    // Big files live on disk in a temporary folder that is removed at the end.
    QTemporaryDir work(base + "/ftp_bench-XXXXXX");
    if (!work.isValid()) return 1;
    const QString root = work.filePath("root");
    const QString local = work.filePath("local");
    QDir().mkpath(root);
    QDir().mkpath(local);
    const qint64 size = sizeMb * 1024 * 1024;
    const QString source = local + "/source.bin";
    if (!makeFile(source, size)) return 1;

    Server server;
    if (!startServer(server, root)) {
        std::fprintf(stderr, "cannot start the FTP server (%s)\n", WF_PYTHON);
        return 1;
    }
    const QString url =
        QStringLiteral("ftp://%1:%2@127.0.0.1:%3/").arg(kUser, kPassword).arg(server.port);
    std::printf(
        "%lld MB over 127.0.0.1, pyftpdlib server, passive mode for both clients, median of 3\n",
        static_cast<long long>(sizeMb));

    sorxfer::FtpClient client;
    client.setHost("127.0.0.1:" + QString::number(server.port));
    client.setUserID(kUser);
    client.setPassword(kPassword);
    client.setPassive(true);
    int status = 0;
    try {
        client.connectHost();
        client.setBinaryMode();
        // Rounds alternate the two clients; the median of each evens out a busy machine.
        std::vector<qint64> upOurs, upCurl, downOurs, downCurl;
        for (int round = 0; round < kRounds; ++round) {
            upOurs.push_back(timeMs([&] { client.upload(source, "ours.bin"); }));
            upCurl.push_back(runCurl({"-s", "-S", "-T", source, url + "curl.bin"}));
            QFile::remove(root + "/curl.bin");
            downOurs.push_back(timeMs([&] { client.download("ours.bin", local + "/ours.bin"); }));
            downCurl.push_back(runCurl({"-s", "-S", "-o", local + "/curl.bin", url + "ours.bin"}));
            QFile::remove(local + "/curl.bin");
        }
        report("upload", size, median(upOurs), median(upCurl));
        report("download", size, median(downOurs), median(downCurl));
        if (QFileInfo(local + "/ours.bin").size() != size ||
            QFileInfo(root + "/ours.bin").size() != size) {
            std::fprintf(stderr, "size mismatch after the transfers\n");
            status = 1;
        }
        client.setPassive(false);
        client.disconnectHost();
        client.connectHost();
        QFile::remove(local + "/ours.bin");
        const qint64 downActive = timeMs([&] { client.download("ours.bin", local + "/ours.bin"); });
        const qint64 upActive = timeMs([&] { client.upload(source, "ours2.bin"); });
        std::printf("active    FtpClient download %.1f MB/s, upload %.1f MB/s\n",
                    mbPerSecond(size, downActive), mbPerSecond(size, upActive));
        client.disconnectHost();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "FTP error: %s\n", e.what());
        status = 1;
    }
    server.process.kill();
    server.process.waitForFinished(5000);
    return status;
}
