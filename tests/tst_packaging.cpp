// SPDX-FileCopyrightText: 2026 The prime-intervals authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed files and the .deb as a desktop sees them: one application id wherever the
// program is named, icons of the size their folders promise, a menu entry and metainfo in both
// languages that point at what was really installed, the documents Debian asks for (copyright,
// changelog, manual pages), and a package that carries exactly the installed files and depends
// on what the program loads at run time.

#include "app_info.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString stage = QString::fromUtf8(STAGE_DIR);
const QString packageDir = QString::fromUtf8(PACKAGE_DIR);
const QString appId = QString::fromUtf8(appinfo::id);

QString dataPath(const QString& relative) { return stage + u"/usr/share/"_s + relative; }

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The keys of the [Desktop Entry] group, translations as separate keys ("Name[bg]").
QMap<QString, QString> readDesktopEntry(const QString& path)
{
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inGroup = line == "[Desktop Entry]"_L1;
        else if (inGroup && line.contains(u'=') && !line.startsWith(u'#'))
            entry.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return entry;
}

// Metainfo facts keyed by element path and language: "name/bg", "summary/",
// "description/p/bg", "releases/release@version/" (an attribute), "url/".
QMap<QString, QStringList> readMetainfo(const QString& path)
{
    static const QSet<QString> leaves { u"id"_s, u"name"_s, u"summary"_s, u"p"_s, u"launchable"_s,
        u"binary"_s, u"url"_s, u"caption"_s, u"image"_s, u"project_license"_s,
        u"metadata_license"_s };
    QMap<QString, QStringList> facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    QXmlStreamReader xml(&file);
    QStringList open;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isEndElement()) {
            open.removeLast();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        open.append(xml.name().toString());
        const QString element = open.mid(1).join(u'/');
        const QXmlStreamAttributes attributes = xml.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            if (attribute.qualifiedName() != "xml:lang"_L1)
                facts[element + u'@' + attribute.name() + u'/'].append(
                    attribute.value().toString());
        }
        if (leaves.contains(open.last())) {
            const QString lang = attributes.value("xml:lang"_L1).toString();
            facts[element + u'/' + lang].append(xml.readElementText().simplified());
            open.removeLast();
        }
    }
    if (xml.hasError())
        facts.clear();
    return facts;
}

// The text of a gzip-compressed file, as man and Debian's tools read it.
QString gunzip(const QString& path) { return run(u"gzip"_s, { u"-dc"_s, path }); }

} // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void oneApplicationId();
    void iconSizes_data();
    void iconSizes();
    void desktopEntry_data();
    void desktopEntry();
    void metainfoInBothLanguages_data();
    void metainfoInBothLanguages();
    void metainfoAgreesWithProject();
    void licence();
    void changelog();
    void manualPages_data();
    void manualPages();
    void packageCarriesTheInstalledFiles();
    void packageControl_data();
    void packageControl();

private:
    QString deb_;
    QMap<QString, QString> desktop_;
    QMap<QString, QStringList> metainfo_;
};

void TestPackaging::initTestCase()
{
    const QStringList debs = QDir(packageDir).entryList({ u"*.deb"_s }, QDir::Files);
    QCOMPARE(debs.size(), 1);
    deb_ = packageDir + u'/' + debs.first();
    desktop_ = readDesktopEntry(dataPath(u"applications/"_s + appId + u".desktop"_s));
    QVERIFY2(!desktop_.isEmpty(), "no installed desktop entry named by the application id");
    metainfo_ = readMetainfo(dataPath(u"metainfo/"_s + appId + u".metainfo.xml"_s));
    QVERIFY2(!metainfo_.isEmpty(), "no installed metainfo named by the application id");
}

// The id the running window reports (setDesktopFileName) must be the one the files use, or
// Wayland desktops show a generic icon and cannot match the window to its menu entry.
void TestPackaging::oneApplicationId()
{
    QVERIFY(
        QRegularExpression(u"^[a-z][a-z0-9_]*(\\.[a-z][a-z0-9_]*){2,}$"_s).match(appId).hasMatch());
    QCOMPARE(metainfo_.value(u"id/"_s), QStringList { appId });
    QCOMPARE(metainfo_.value(u"launchable/"_s), QStringList { appId + u".desktop"_s });
    QCOMPARE(desktop_.value(u"Icon"_s), appId);

    const QFileInfo executable(stage + u"/usr/bin/"_s + desktop_.value(u"Exec"_s));
    QVERIFY2(executable.isFile() && executable.isExecutable(), qPrintable(executable.filePath()));
    QCOMPARE(metainfo_.value(u"provides/binary/"_s), QStringList { executable.fileName() });
}

void TestPackaging::iconSizes_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("size");
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString folder = QString::number(size) + u'x' + QString::number(size);
        QTest::addRow("%s", qPrintable(folder)) << folder << size;
    }
    QTest::addRow("scalable") << u"scalable"_s << 0;
}

void TestPackaging::iconSizes()
{
    QFETCH(QString, folder);
    QFETCH(int, size);
    const QString base = dataPath(u"icons/hicolor/"_s + folder + u"/apps/"_s + appId);
    if (size == 0) {
        QFile svg(base + u".svg"_s);
        QVERIFY2(svg.open(QIODevice::ReadOnly), qPrintable(svg.fileName()));
        QXmlStreamReader xml(&svg);
        xml.readNextStartElement();
        QCOMPARE(xml.name(), "svg"_L1);
        const QStringList viewBox = xml.attributes().value("viewBox"_L1).toString().split(u' ');
        QCOMPARE(viewBox.size(), 4);
        QCOMPARE(viewBox[2], viewBox[3]); // square, as icon themes expect
        return;
    }
    const QImage image(base + u".png"_s);
    QVERIFY2(!image.isNull(), qPrintable(base + u".png"_s));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
}

void TestPackaging::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pattern");
    const QString latin = u"^[\\x20-\\x7e]+$"_s;
    const QString cyrillic = u"^[\\p{Cyrillic}][\\p{Cyrillic}\\s,;:.-]*$"_s;
    QTest::addRow("Name") << u"Name"_s << latin;
    QTest::addRow("Name[bg]") << u"Name[bg]"_s << cyrillic;
    QTest::addRow("Comment") << u"Comment"_s << latin;
    QTest::addRow("Comment[bg]") << u"Comment[bg]"_s << cyrillic;
    QTest::addRow("Keywords") << u"Keywords"_s << u"^([a-z ]+;){3,}$"_s;
    QTest::addRow("Keywords[bg]") << u"Keywords[bg]"_s << u"^([\\p{Cyrillic} ]+;){3,}$"_s;
    QTest::addRow("Categories") << u"Categories"_s << u"^Education;Math;$"_s;
    QTest::addRow("Terminal") << u"Terminal"_s << u"^false$"_s;
    QTest::addRow("Type") << u"Type"_s << u"^Application$"_s;
}

void TestPackaging::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, pattern);
    const QString value = desktop_.value(key);
    QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(),
        qPrintable(key + u"=" + value + u" does not match " + pattern));
}

void TestPackaging::metainfoInBothLanguages_data()
{
    QTest::addColumn<QString>("element");
    for (const char* element :
        { "name", "summary", "description/p", "screenshots/screenshot/caption" })
        QTest::addRow("%s", element) << QString::fromLatin1(element);
}

// A software centre shows the Bulgarian texts on a Bulgarian desktop and the English ones
// elsewhere; each must exist and be more than a copy of the other.
void TestPackaging::metainfoInBothLanguages()
{
    QFETCH(QString, element);
    const QStringList english = metainfo_.value(element + u'/');
    const QStringList bulgarian = metainfo_.value(element + u"/bg"_s);
    QVERIFY2(!english.isEmpty(), "no English text");
    QCOMPARE(bulgarian.size(), english.size());
    static const QRegularExpression cyrillicWord(u"\\p{Cyrillic}{3,}"_s);
    for (const QString& text : bulgarian)
        QVERIFY2(cyrillicWord.match(text).hasMatch(), qPrintable(text));
    for (const QString& text : english)
        QVERIFY2(!cyrillicWord.match(text).hasMatch(), qPrintable(text));
}

void TestPackaging::metainfoAgreesWithProject()
{
    const QString homepage = QString::fromUtf8(appinfo::homepage);
    QCOMPARE(metainfo_.value(u"url@type/"_s), QStringList { u"homepage"_s });
    QCOMPARE(metainfo_.value(u"url/"_s), QStringList { homepage });
    const QStringList images = metainfo_.value(u"screenshots/screenshot/image/"_s);
    QCOMPARE(images.size(), 1);
    QVERIFY2(images.first().startsWith(homepage) && images.first().endsWith(u".png"_s),
        qPrintable(images.first()));
    // The newest release listed first is the version being installed.
    QCOMPARE(metainfo_.value(u"releases/release@version/"_s).value(0),
        QString::fromUtf8(appinfo::version));
    QVERIFY(metainfo_.contains(u"content_rating@type/"_s));
}

// One licence everywhere: the metainfo's project_license, and Debian's machine-readable copyright
// file, which names the GPL as Debian's common licence texts do.
void TestPackaging::licence()
{
    QCOMPARE(metainfo_.value(u"project_license/"_s), QStringList { u"GPL-3.0-or-later"_s });
    QCOMPARE(metainfo_.value(u"metadata_license/"_s), QStringList { u"CC0-1.0"_s });
    QVERIFY2(!metainfo_.value(u"developer/name/"_s).value(0).isEmpty(), "no <developer><name>");

    QFile file(dataPath(u"doc/"_s + QString::fromUtf8(appinfo::name) + u"/copyright"_s));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QString copyright = QString::fromUtf8(file.readAll());
    QVERIFY(copyright.startsWith(
        u"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"_s));
    QVERIFY(copyright.contains(u"\nUpstream-Name: "_s + QString::fromUtf8(appinfo::name) + u'\n'));
    QVERIFY(copyright.contains(u"\nFiles: *\nCopyright: "_s));
    QVERIFY(copyright.contains(u"\nLicense: GPL-3+\n"_s));
    QVERIFY(copyright.contains(u"/usr/share/common-licenses/GPL-3"_s));
}

// The newest entry of the changelog is the version being installed.
void TestPackaging::changelog()
{
    const QString text
        = gunzip(dataPath(u"doc/"_s + QString::fromUtf8(appinfo::name) + u"/changelog.gz"_s));
    QVERIFY2(!text.isEmpty(), "no changelog.gz");
    const QString first = text.section(u'\n', 0, 0);
    QCOMPARE(first.section(u' ', 0, 1),
        QString::fromUtf8(appinfo::name) + u" ("_s + QString::fromUtf8(appinfo::version) + u')');
}

void TestPackaging::manualPages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("sections");
    QTest::addRow("English") << u"man/man1/prime-intervals.1.gz"_s
                             << QStringList { u"NAME"_s, u"SYNOPSIS"_s, u"DESCRIPTION"_s,
                                    u"KEYBOARD"_s, u"ENVIRONMENT"_s, u"EXIT STATUS"_s };
    QTest::addRow("Bulgarian") << u"man/bg/man1/prime-intervals.1.gz"_s
                               << QStringList { u"ИМЕ"_s, u"СИНТАКСИС"_s, u"ОПИСАНИЕ"_s,
                                      u"КЛАВИАТУРА"_s, u"СРЕДА"_s, u"\"КОД ПРИ ИЗХОД\""_s };
}

// prime-intervals(1) in both languages: what the window shows, the keyboard, the environment,
// for the version being installed.
void TestPackaging::manualPages()
{
    QFETCH(QString, path);
    QFETCH(QStringList, sections);
    const QString page = gunzip(dataPath(path));
    QVERIFY2(!page.isEmpty(), qPrintable(path));
    const QString header = page.section(u"\n.TH "_s, 1).section(u'\n', 0, 0);
    QVERIFY2(header.startsWith(u"PRIME\\-INTERVALS 1 "_s), qPrintable(header));
    QVERIFY2(header.contains(QString::fromUtf8(appinfo::version)), qPrintable(header));
    for (const QString& section : sections)
        QVERIFY2(page.contains(u"\n.SH "_s + section + u'\n'), qPrintable(section));
    for (const char* word : { "QT_SCALE_FACTOR", "Tab", "Page Down", "Интервал", "Алгоритъм" })
        QVERIFY2(page.contains(QString::fromUtf8(word)), word);
}

// The .deb must hold what `cmake --install` installs, no more (no tests, headers or static
// libraries slipping in) and no less.
void TestPackaging::packageCarriesTheInstalledFiles()
{
    QStringList packaged;
    const QStringList listing = run(u"dpkg-deb"_s, { u"--contents"_s, deb_ }).split(u'\n');
    for (const QString& line : listing) {
        if (line.startsWith(u'-'))
            packaged.append(line.section(u' ', -1).mid(1)); // "./usr/bin/x" -> "/usr/bin/x"
    }
    QStringList installed;
    QDirIterator it(stage, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        installed.append(it.next().mid(stage.size()));
    packaged.sort();
    installed.sort();
    QVERIFY(!installed.isEmpty());
    QCOMPARE(packaged, installed);
}

void TestPackaging::packageControl_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    // Found by shlibdeps from the executable.
    QTest::addRow("links Qt Widgets") << u"Depends"_s << u"libqt6widgets6"_s;
    QTest::addRow("links the C library") << u"Depends"_s << u"libc6"_s;
    // Invisible to shlibdeps: loaded at run time, or needed for the layout's metrics.
    QTest::addRow("platform plugins") << u"Depends"_s << u"qt6-qpa-plugins"_s;
    QTest::addRow("Liberation 2, Debian 12") << u"Depends"_s << u"fonts-liberation2"_s;
    QTest::addRow("Liberation 2, Debian 13") << u"Depends"_s << u"fonts-liberation"_s;
    QTest::addRow("native Wayland") << u"Recommends"_s << u"qt6-wayland"_s;
    QTest::addRow("section") << u"Section"_s << u"education"_s;
    QTest::addRow("architecture") << u"Architecture"_s
                                  << run(u"dpkg"_s, { u"--print-architecture"_s }).trimmed();
    QTest::addRow("package name") << u"Package"_s << QString::fromUtf8(appinfo::name);
}

// Each field read as a list of package names, alternatives one by one, versions dropped; nothing
// may pull in a -dev package, which would drag a compiler onto a pupil's machine.
void TestPackaging::packageControl()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    QVERIFY(!name.isEmpty());
    const QString value = run(u"dpkg-deb"_s, { u"--field"_s, deb_, field }).trimmed();
    QSet<QString> names;
    static const QRegularExpression separator(u"[,|]"_s);
    for (const QString& item : value.split(separator, Qt::SkipEmptyParts)) {
        const QString itemName = item.trimmed().section(u' ', 0, 0);
        QVERIFY2(!itemName.endsWith(u"-dev"_s), qPrintable(field + u": " + value));
        names.insert(itemName);
    }
    QVERIFY2(names.contains(name), qPrintable(field + u": " + value));
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
