// SPDX-License-Identifier: GPL-3.0-or-later
// What a learner feels, measured on the real windows under X, each figure beside a bare
// QWebEngineView measured in the same run: start-up to the first lesson page, the exercise
// pages (first after OK, next after a right check, the results page), and the memory of the
// process with all its WebEngine helpers. Not a test: ./bench.sh runs it.
//
//   bench_ui report SOURCE_DIR BENCH_CORE [RUNS]   runs everything and prints one table
//   bench_ui bare PAGE1 PAGE2 NAVIGATIONS          one bare view (a child of report)
//   bench_ui program COURSE_DIR                    the program on a course (a child of report)
//
// The children print "name value" lines; report starts them alternately, RUNS times each,
// and takes medians. The program child runs the program's own entry sequence and then does,
// as a learner would, the verification test of the first lesson of each course, answering
// each exercise right.
#include "app/MainForm.h"
#include "app/Program.h"
#include "app/Seleser_Unit1.h"
#include "app/Windows.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "exercises/ExerciseWindow.h"
#include "platform/HtmlView.h"
#include "platform/Platform.h"
#include "platform/RealHtmlView.h"
#include "reference/Result.h"

#include <QApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>

namespace {

qint64 nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double msSince(qint64 start)
{
    return double(nowNs() - start) / 1e6;
}

// The moment the parent started this process, handed down in the environment.
qint64 processStart()
{
    return qEnvironmentVariable("SENTIERO_BENCH_T0").toLongLong();
}

void emitFigure(const char *name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

// Proportional set size, in kB, of a process and all its descendants (WebEngine's zygote,
// renderers, GPU and utility processes).
double pssOfTreeKb(qint64 root)
{
    QMap<qint64, QList<qint64>> children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const qsizetype close = text.lastIndexOf(')');
        const QList<QByteArray> fields = text.mid(close + 2).split(' ');
        if (fields.size() > 1)
            children[fields[1].toLongLong()] << pid;
    }
    double total = 0;
    QList<qint64> pending{root};
    while (!pending.isEmpty()) {
        const qint64 pid = pending.takeLast();
        pending += children.value(pid);
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : rollup.readAll().split('\n')) {
            if (!line.startsWith("Pss:"))
                continue;
            const double kb = line.mid(4).trimmed().split(' ').value(0).toDouble();
            total += kb;
            if (qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE")) {
                QFile command(QStringLiteral("/proc/%1/cmdline").arg(pid));
                command.open(QIODevice::ReadOnly);
                const QByteArray text = command.readAll().replace('\0', ' ');
                const qsizetype type = text.indexOf("--type=");
                std::fprintf(stderr, "bench_ui: pid %lld %.0f kB %s\n", pid, kb,
                             (type < 0 ? text.left(40) : text.mid(type, 30)).constData());
            }
        }
    }
    return total;
}

void mark(const char *step)
{
    if (qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
        std::fprintf(stderr, "bench_ui: %s at %.1f ms\n", step, msSince(processStart()));
}

// Where a page load's time went, when tracing: the page's own timing (from the renderer,
// milliseconds since the epoch) against the moment the wait began, `waited` ms ago.
void traceLoad(QWebEngineView *view, double waited, const char *what)
{
    if (!view || !qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
        return;
    const double began = double(QDateTime::currentMSecsSinceEpoch()) - waited;
    view->page()->runJavaScript(
        QStringLiteral("(function () { const t = performance.timing; return [t.navigationStart, "
                       "t.fetchStart, t.responseStart, t.responseEnd, t.domLoading, "
                       "t.domContentLoadedEventEnd, t.loadEventEnd]; })()"),
        [began, waited, what](const QVariant &result) {
            const QVariantList t = result.toList();
            if (t.size() == 7)
                std::fprintf(stderr,
                             "bench_ui: %s: navigation starts +%.0f, fetch +%.0f, response "
                             "+%.0f, file read +%.0f, document +%.0f, DOM ready +%.0f, load "
                             "event +%.0f, signal +%.0f ms\n",
                             what, t[0].toDouble() - began, t[1].toDouble() - began,
                             t[2].toDouble() - began, t[3].toDouble() - began,
                             t[4].toDouble() - began, t[5].toDouble() - began,
                             t[6].toDouble() - began, waited);
        });
}

// ---- the bare view ------------------------------------------------------------------------

int runBare(int argc, char **argv)
{
    if (argc < 5)
        return 2;
    const QUrl first = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]));
    const QUrl second = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[3]));
    const int navigations = QByteArray(argv[4]).toInt();
    // The program's engine settings, so that the baseline is the same engine doing less.
    prepareWebEngine();
    QApplication application(argc, argv);
    mark("application");
    QWebEngineView view;
    secureWebEngineSettings(view.settings());
    mark("view");
    int loads = 0;
    qint64 navigationStart = 0;
    const auto navigate = [&] {
        navigationStart = nowNs();
        view.setUrl(loads % 2 ? second : first);
    };
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool ok) {
        if (!ok)
            return;
        ++loads;
        if (loads == 1) {
            mark("first page loaded");
            emitFigure("start_ms", msSince(processStart()));
            // Memory is read after the same settling time as the program's.
            QTimer::singleShot(3000, [&] {
                emitFigure("pss_start_kb", pssOfTreeKb(QCoreApplication::applicationPid()));
                navigate();
            });
            return;
        }
        emitFigure("nav_ms", msSince(navigationStart));
        traceLoad(&view, msSince(navigationStart), "bare page");
        if (loads <= navigations)
            QTimer::singleShot(50, navigate);
        else
            QCoreApplication::quit();
    });
    showMaximizedOnScreen(&view);
    mark("shown");
    view.setUrl(first);
    QTimer::singleShot(120000, [] { QCoreApplication::exit(3); });
    return application.exec();
}

// ---- the program --------------------------------------------------------------------------

// Drives the program as a learner would and reports when each page the learner waits for
// has loaded.
class Learner : public QObject
{
public:
    Learner(TMainForm &main, bool startOnly) : m_main(main), m_startOnly(startOnly)
    {
        // The program loads its first page while its window is still hidden: the page is
        // there for the learner once it has loaded and the window shows, whichever is later.
        connect(m_main.WB, &HtmlView::downloadComplete, this, [this] {
            m_firstPageLoaded = true;
            mark("first page loaded");
            started();
        });
        m_main.installEventFilter(this);
    }

    static TFresult *results() { return WindowRegistry::instance()->Fresult(); }
    static TSeleserDlg *dialog() { return WindowRegistry::instance()->SeleserDlg(); }

    // The windows exist once the start-up has created them.
    void watchWindows()
    {
        for (Course course : AllCourses)
            m_windows << WindowRegistry::instance()->courseWindows(course);
        for (TExerciseWindow *window : m_windows) {
            window->installEventFilter(this);
            connect(window->html1, &HtmlView::downloadComplete, this,
                    [this, window] { pageLoaded(window); });
        }
        TFresult *results = WindowRegistry::instance()->Fresult();
        connect(results->html1, &HtmlView::downloadComplete, this, [this] { pageLoaded(nullptr); });
        results->installEventFilter(this);
        m_tick.setInterval(5);
        connect(&m_tick, &QTimer::timeout, this, &Learner::step);
        m_tick.start();
        if (qEnvironmentVariableIsSet("SENTIERO_BENCH_EVENTS"))
            qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_waiting != Waiting::Nothing && qEnvironmentVariableIsSet("SENTIERO_BENCH_EVENTS"))
            m_events.append({nowNs(), int(event->type()),
                             QByteArray(watched->metaObject()->className()) + ' '
                                 + watched->objectName().toLatin1()});
        if (watched == &m_main) {
            if (event->type() == QEvent::Show) {
                mark("main window shown");
                QTimer::singleShot(0, this, &Learner::started); // once the window is on screen
            }
            return false;
        }
        if (event->type() == QEvent::Show && watched == m_loadedHidden) {
            m_loadedHidden = nullptr;
            TExerciseWindow *window = qobject_cast<TExerciseWindow *>(watched);
            QTimer::singleShot(0, this, [this, window] { pageReady(window); }); // on screen
        }
        if (event->type() == QEvent::Show && qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
            std::fprintf(stderr, "bench_ui: %s shown after %.1f ms\n",
                         qPrintable(watched->objectName()), msSince(m_since));
        return false;
    }

private:
    enum class State
    {
        WaitStart,
        SettleStart,
        StartRun,
        WaitCategory,
        InRun,
        AfterRun,
        SettleAll,
        Done,
    };
    enum class Waiting
    {
        Nothing,
        FirstPage, // after OK in the category dialog
        NextPage,  // after a right check
    };

    void enter(State state)
    {
        m_state = state;
        if (qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
            std::fprintf(stderr, "bench_ui: state %d\n", int(state));
    }

    void started()
    {
        if (m_state != State::WaitStart || !m_firstPageLoaded || !m_main.isVisible())
            return;
        emitFigure("start_ms", msSince(processStart()));
        if (m_startOnly)
            std::_Exit(0); // only the start-up is asked for: no shutdown to wait for
        enter(State::SettleStart);
        m_until = nowNs() + 3000LL * 1000000;
    }

    // A page is there for the learner once it has loaded and its window shows, whichever
    // is later, as at the start.
    void pageLoaded(TExerciseWindow *window)
    {
        if (m_waiting == Waiting::Nothing)
            return;
        const QWidget *shown = window ? static_cast<QWidget *>(window) : results();
        if (!shown->isVisible()) {
            m_loadedHidden = shown;
            return;
        }
        pageReady(window);
    }

    void pageReady(TExerciseWindow *window)
    {
        m_loadedHidden = nullptr;
        const double ms = msSince(m_since);
        // Each event delivered while the page was awaited, with the time until the next one:
        // where the main thread was busy.
        for (qsizetype i = 0; i + 1 < m_events.size(); ++i) {
            const double busy = double(m_events[i + 1].at - m_events[i].at) / 1e6;
            if (busy > 1.0)
                std::fprintf(stderr, "bench_ui:   +%.1f ms: event %d to %s, %.1f ms to the next\n",
                             double(m_events[i].at - m_since) / 1e6, m_events[i].type,
                             m_events[i].receiver.constData(), busy);
        }
        m_events.clear();
        traceLoad((window ? window->html1 : results()->html1)->findChild<QWebEngineView *>(), ms,
                  !window                           ? "results"
                  : m_waiting == Waiting::FirstPage ? "first"
                                                    : "next");
        if (!window)
            emitFigure("results_ms", ms);
        else if (m_waiting == Waiting::FirstPage)
            emitFigure("first_ms", ms);
        else
            emitFigure("next_ms", ms);
        m_waiting = Waiting::Nothing;
        m_ready = window;
        m_resultsReady = !window;
        m_readySince = nowNs();
    }

    TExerciseWindow *shownExercise() const
    {
        for (TExerciseWindow *window : m_windows) {
            if (window->isVisible())
                return window;
        }
        return nullptr;
    }

    void step()
    {
        switch (m_state) {
        case State::WaitStart:
        case State::Done:
            return;
        case State::SettleStart:
            if (nowNs() < m_until)
                return;
            emitFigure("pss_start_kb", pssOfTreeKb(QCoreApplication::applicationPid()));
            enter(State::StartRun);
            return;
        case State::StartRun: {
            // The link of the first lesson (Lezione 0) of the course, followed in the page.
            bool cancel = false;
            const QString link =
                QUrl::fromLocalFile(state().ContentDir + QStringLiteral("/html/")
                                    + QString::number(m_course) + QStringLiteral("01eser.htm"))
                    .toString();
            m_main.WBBeforeNavigate2(link, cancel);
            enter(State::WaitCategory);
            return;
        }
        case State::WaitCategory:
            if (!dialog()->isVisible()) {
                if (qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
                    for (QWidget *w : QApplication::topLevelWidgets())
                        if (w->isVisible())
                            std::fprintf(stderr, "bench_ui: shown %s\n",
                                         qPrintable(w->objectName() + " " + w->windowTitle()));
                return;
            }
            // A learner takes a moment to choose: at least a reaction time.
            if (m_dialogSince == 0)
                m_dialogSince = nowNs();
            if (msSince(m_dialogSince) < ChoosingMs)
                return;
            m_dialogSince = 0;
            dialog()->RadioButton4->setChecked(true);
            m_waiting = Waiting::FirstPage;
            m_since = nowNs();
            enter(State::InRun);
            dialog()->OKBtn->click();
            return;
        case State::InRun:
            inRun();
            return;
        case State::AfterRun:
            if (m_main.PendingAction || shownExercise() || results()->isVisible())
                return;
            if (++m_course <= 3) {
                enter(State::StartRun);
            } else {
                enter(State::SettleAll);
                m_until = nowNs() + 3000LL * 1000000;
            }
            return;
        case State::SettleAll:
            if (nowNs() < m_until)
                return;
            emitFigure("pss_all_kb", pssOfTreeKb(QCoreApplication::applicationPid()));
            if (qEnvironmentVariableIsSet("SENTIERO_BENCH_TRACE"))
                QProcess::execute(
                    QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral(
                         "awk '/^[0-9a-f]+-/{name=$6\" \"$2} /^Pss:/{s[name]+=$2} END {for (n in "
                         "s) print s[n], n}' /proc/%1/smaps | sort -rn | head -40 >&2")
                         .arg(QCoreApplication::applicationPid())});
            enter(State::Done);
            m_tick.stop();
            m_main.close();
            return;
        }
    }

    void inRun()
    {
        // A learner reads the page before answering: the answer comes at least a reaction
        // time after the page is there, once its window has painted, as it would on screen.
        if ((m_ready || m_resultsReady) && msSince(m_readySince) < ReadingMs)
            return;
        if (m_resultsReady && results()->isVisible()) {
            m_resultsReady = false;
            enter(State::AfterRun);
            results()->Button1->click();
            return;
        }
        TExerciseWindow *window = shownExercise();
        if (!window) {
            if (m_waiting == Waiting::Nothing && !results()->isVisible() && !m_main.PendingAction)
                enter(State::AfterRun); // no records, or a message ended the run
            return;
        }
        if (m_ready == window) {
            m_ready = nullptr;
            m_checked = window;
            window->Button12Click(); // the model answer, as the learner would type it
            m_waiting = Waiting::NextPage;
            m_since = nowNs();
            window->Button2Click();
            return;
        }
        // An answer that was not taken as right: go on without counting it.
        if (m_checked == window && m_waiting == Waiting::NextPage && msSince(m_since) > 3000) {
            std::fprintf(stderr, "bench_ui: an exercise of %s was not answered right\n",
                         qPrintable(window->objectName()));
            m_since = nowNs();
            m_waiting = Waiting::Nothing;
            m_ready = nullptr;
            window->Button13Click();
            m_waiting = Waiting::NextPage;
        }
    }

    TMainForm &m_main;
    bool m_startOnly;
    QList<TExerciseWindow *> m_windows;
    QTimer m_tick;
    State m_state = State::WaitStart;
    Waiting m_waiting = Waiting::Nothing;
    qint64 m_since = 0;
    qint64 m_until = 0;
    qint64 m_readySince = 0;
    qint64 m_dialogSince = 0; // when the category dialog was seen shown
    static constexpr double ChoosingMs = 300;
    static constexpr double ReadingMs = 300; // from a page being there to the answer
    TExerciseWindow *m_ready = nullptr;
    TExerciseWindow *m_checked = nullptr;
    bool m_resultsReady = false;
    const QObject *m_loadedHidden = nullptr; // the window whose page has loaded before it showed
    bool m_firstPageLoaded = false;
    int m_course = 1;
    struct Event
    {
        qint64 at;
        int type;
        QByteArray receiver;
    };
    QList<Event> m_events;
};

// The program's own entry sequence, with a learner watching.
int runProgram(int argc, char **argv)
{
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[2])))
        return 2;
    const bool startOnly = argc > 3 && QByteArray(argv[3]) == "start-only";
    std::unique_ptr<Learner> learner;
    StartWatch watch;
    watch.step = mark;
    watch.mainWindow = [&](TMainForm &mainForm) {
        learner = std::make_unique<Learner>(mainForm, startOnly);
    };
    watch.windowsCreated = [&] { learner->watchWindows(); };
    watch.beforeEventLoop = [] { QTimer::singleShot(180000, [] { QCoreApplication::exit(3); }); };
    // Started as a learner starts it: `sentiero FOLDER`. The bench's own words are not the
    // program's, which would take the first of them for the course folder.
    char *programArguments[] = {argv[0], argv[2], nullptr};
    return RunProgram(2, programArguments, watch);
}

// ---- the report ---------------------------------------------------------------------------

// A clip of 0.1 s: two frames of 64 x 48 uncompressed video at 20 frames a second and
// silent 8 kHz PCM sound, in an AVI file.
QByteArray shortClip()
{
    constexpr int width = 64, height = 48, frames = 2, rate = 20, samplesPerFrame = 400;
    constexpr int frameBytes = width * height * 3;
    constexpr int soundBytes = samplesPerFrame * 2;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto fourcc = [&](const char *code) { out.writeRawData(code, 4); };
    const auto u32 = [&](quint32 value) { out << value; };
    const auto u16 = [&](quint16 value) { out << value; };
    const auto streamHeader = [&](const char *type, quint32 scale, quint32 rateValue,
                                  quint32 length, quint32 buffer, quint32 sampleSize) {
        fourcc("strh");
        u32(56);
        fourcc(type);
        u32(0); // handler
        u32(0); // flags
        u32(0); // priority, language
        u32(0); // initial frames
        u32(scale);
        u32(rateValue);
        u32(0); // start
        u32(length);
        u32(buffer);
        u32(0xffffffff); // quality
        u32(sampleSize);
        u16(0), u16(0), u16(width), u16(height);
    };
    const quint32 videoList = 4 + (8 + 56) + (8 + 40);
    const quint32 audioList = 4 + (8 + 56) + (8 + 18);
    const quint32 headerList = 4 + (8 + 56) + (8 + videoList) + (8 + audioList);
    const quint32 movi = 4 + frames * ((8 + frameBytes) + (8 + soundBytes));
    const quint32 index = frames * 2 * 16;
    fourcc("RIFF");
    u32(4 + (8 + headerList) + (8 + movi) + (8 + index));
    fourcc("AVI ");
    fourcc("LIST");
    u32(headerList);
    fourcc("hdrl");
    fourcc("avih");
    u32(56);
    u32(1000000 / rate);
    u32(frameBytes * rate + soundBytes * rate);
    u32(0);
    u32(0x10); // has an index
    u32(frames);
    u32(0);
    u32(2);
    u32(frameBytes);
    u32(width);
    u32(height);
    u32(0), u32(0), u32(0), u32(0);
    fourcc("LIST");
    u32(videoList);
    fourcc("strl");
    streamHeader("vids", 1, rate, frames, frameBytes, 0);
    fourcc("strf");
    u32(40);
    u32(40), u32(width), u32(height);
    u16(1), u16(24);
    u32(0), u32(frameBytes), u32(0), u32(0), u32(0), u32(0);
    fourcc("LIST");
    u32(audioList);
    fourcc("strl");
    streamHeader("auds", 1, 8000, frames * samplesPerFrame, soundBytes, 2);
    fourcc("strf");
    u32(18);
    u16(1), u16(1);
    u32(8000), u32(16000);
    u16(2), u16(16), u16(0);
    fourcc("LIST");
    u32(movi);
    fourcc("movi");
    QList<quint32> offsets;
    quint32 offset = 4;
    for (int frame = 0; frame < frames; ++frame) {
        fourcc("00db");
        u32(frameBytes);
        QByteArray pixels(frameBytes, char(frame ? 0x95 : 0x48));
        out.writeRawData(pixels.constData(), pixels.size());
        offsets << offset;
        offset += 8 + frameBytes;
        fourcc("01wb");
        u32(soundBytes);
        QByteArray silence(soundBytes, '\0');
        out.writeRawData(silence.constData(), silence.size());
        offsets << offset;
        offset += 8 + soundBytes;
    }
    fourcc("idx1");
    u32(index);
    for (int i = 0; i < offsets.size(); ++i) {
        fourcc(i % 2 ? "01wb" : "00db");
        u32(0x10);
        u32(offsets[i]);
        u32(i % 2 ? soundBytes : frameBytes);
    }
    return data;
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(path, target))
            return false;
    }
    return true;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

using Figures = QMap<QString, QList<double>>;

// Starts a child of this program and gathers the figures it prints.
bool runChild(const QStringList &arguments, const QString &directory, Figures &figures)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(arguments);
    child.setWorkingDirectory(directory);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTIERO_BENCH_T0"), QString::number(nowNs()));
    child.setProcessEnvironment(environment);
    child.start();
    if (!child.waitForFinished(240000)) {
        child.kill();
        child.waitForFinished();
        return false;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            figures[QString::fromLatin1(parts[0])] << parts[1].toDouble();
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

// Medians of QtTest's CSV output: "function/tag","metric",value,... in nanoseconds here.
QMap<QString, double> runCore(const QString &program)
{
    QMap<QString, double> results;
    QProcess core;
    // The first run writes the tables: QtTest's watchdog (five minutes a function) must not
    // stop it halfway on a slow machine.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QTEST_FUNCTION_TIMEOUT"), QStringLiteral("1800000"));
    core.setProcessEnvironment(environment);
    // Half a second of each figure at least, so that the largest table is not one cold walk.
    core.start(program,
               {QStringLiteral("-csv"), QStringLiteral("-minimumtotal"), QStringLiteral("500")});
    if (!core.waitForFinished(600000))
        return results;
    for (const QByteArray &line : core.readAllStandardOutput().split('\n')) {
        // "BenchCore::tableOnDisk","2000","WalltimeMilliseconds",1.23,...
        const QList<QByteArray> parts = line.split(',');
        if (parts.size() < 4)
            continue;
        const auto unquote = [](QByteArray text) {
            return QString::fromLatin1(text.replace('"', QByteArray()));
        };
        QString name = unquote(parts[0]).section(QStringLiteral("::"), -1);
        const QString tag = unquote(parts[1]);
        if (!tag.isEmpty())
            name += QLatin1Char('/') + tag;
        const QString metric = unquote(parts[2]);
        const double value = parts[3].toDouble();
        results[name] = metric.contains(QLatin1String("Milli")) ? value * 1e6 : value;
    }
    return results;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

int runReport(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 4)
        return 2;
    const QString sourceDir = QString::fromLocal8Bit(argv[2]);
    const QString coreProgram = QString::fromLocal8Bit(argv[3]);
    const int runs = argc > 4 ? std::max(1, QByteArray(argv[4]).toInt()) : 5;
    QTextStream out(stdout);
    const QString loadBefore = loadAverage();

    // A copy of the demo course with 0.1 s clips.
    QTemporaryDir work;
    const QString course = work.filePath(QStringLiteral("course"));
    if (!copyTree(sourceDir + QStringLiteral("/course"), course)) {
        out << "bench_ui: cannot copy the demo course\n";
        return 1;
    }
    QFile::remove(course + QStringLiteral("/tvp.htm"));
    for (const char *clip : {"prova.avi", "OO.avi"}) {
        QFile file(course + QStringLiteral("/pres/") + QLatin1String(clip));
        file.remove();
        if (!file.open(QIODevice::WriteOnly) || file.write(shortClip()) < 0)
            return 1;
    }
    const QString html = course + QStringLiteral("/html/");
    // The same course without its clips (a missing clip is skipped), for the start-up alone.
    const QString noClips = work.filePath(QStringLiteral("noclips"));
    if (!copyTree(course, noClips))
        return 1;
    for (const char *clip : {"prova.avi", "OO.avi"})
        QFile::remove(noClips + QStringLiteral("/pres/") + QLatin1String(clip));

    Figures program, bare;
    bool failed = false;
    for (int run = 0; run < runs; ++run) {
        out << "run " << (run + 1) << " of " << runs << "\n" << Qt::flush;
        failed |= !runChild({QStringLiteral("bare"), html + QStringLiteral("fr1.htm"),
                             html + QStringLiteral("alf1.htm"), QStringLiteral("10")},
                            course, bare);
        failed |= !runChild({QStringLiteral("program"), course}, course, program);
        Figures quick;
        failed |= !runChild({QStringLiteral("program"), noClips, QStringLiteral("start-only")},
                            noClips, quick);
        program[QStringLiteral("start_noclips_ms")] += quick.value(QStringLiteral("start_ms"));
    }
    // The pure parts as often as the programs, each figure the median of its runs: one slow
    // moment of the machine does not make a figure.
    QMap<QString, double> core;
    {
        Figures coreRuns;
        for (int run = 0; run < runs; ++run) {
            const QMap<QString, double> figures = runCore(coreProgram);
            for (auto figure = figures.begin(); figure != figures.end(); ++figure)
                coreRuns[figure.key()] << figure.value();
        }
        for (auto figure = coreRuns.begin(); figure != coreRuns.end(); ++figure)
            core[figure.key()] = median(figure.value());
    }
    const QString loadAfter = loadAverage();

    struct Row
    {
        QString figure;
        double value;
        double baseline; // < 0: none
        QString unit;
        double target; // the limit of the ratio, or of the value when there is no baseline
        bool ratioTarget;
        double allowance = 0; // taken off the value before the ratio: a clip's own length
    };
    const double navigation = median(bare.value(QStringLiteral("nav_ms")));
    // A ratio of two figures; missing (< 0) when either is.
    const auto ratioOf = [](double value, double base) {
        return value < 0 || base <= 0 ? -1.0 : value / base;
    };
    const auto us = [&](const char *name) { return core.value(QLatin1String(name), -1000) / 1000; };
    const auto ms = [&](const char *name) { return core.value(QLatin1String(name), -1e6) / 1e6; };
    const QList<Row> rows = {
        {QStringLiteral("start to first lesson page, 0.1 s clips (less the clip)"),
         median(program.value(QStringLiteral("start_ms"))),
         median(bare.value(QStringLiteral("start_ms"))), QStringLiteral("ms"), 1.15, true, 100},
        {QStringLiteral("start to first lesson page, clips removed"),
         median(program.value(QStringLiteral("start_noclips_ms"))),
         median(bare.value(QStringLiteral("start_ms"))), QStringLiteral("ms"), 1.15, true},
        {QStringLiteral("OK in category dialog to first exercise page"),
         median(program.value(QStringLiteral("first_ms"))), navigation, QStringLiteral("ms"), 1.25,
         true},
        {QStringLiteral("right check to next exercise page"),
         median(program.value(QStringLiteral("next_ms"))), navigation, QStringLiteral("ms"), 1.25,
         true},
        {QStringLiteral("last check to results page"),
         median(program.value(QStringLiteral("results_ms"))), navigation, QStringLiteral("ms"), 1.25,
         true},
        {QStringLiteral("PSS 3 s after start-up"),
         median(program.value(QStringLiteral("pss_start_kb"))) / 1024,
         median(bare.value(QStringLiteral("pss_start_kb"))) / 1024, QStringLiteral("MB"), -1, true},
        {QStringLiteral("PSS after all nine types shown"),
         median(program.value(QStringLiteral("pss_all_kb"))) / 1024,
         median(bare.value(QStringLiteral("pss_start_kb"))) / 1024, QStringLiteral("MB"), 1.2,
         true},
        {QStringLiteral("type-0 page composed and saved"), us("pageType0"), -1,
         QStringLiteral("us"), 100, false},
        {QStringLiteral("type-201 page composed and saved"), us("pageType201"), -1,
         QStringLiteral("us"), 100, false},
        {QStringLiteral("NormalizeAnswer"), us("normalizeAnswer"), -1, QStringLiteral("us"), -1,
         false},
        {QStringLiteral("RewriteBrailleRun"), us("rewriteBrailleRun"), -1, QStringLiteral("us"), -1,
         false},
        {QStringLiteral("RewriteMusicPairs"), us("rewriteMusicPairs"), -1, QStringLiteral("us"), -1,
         false},
        {QStringLiteral("rich text of 2 KB read"), us("richText2K"), -1, QStringLiteral("us"), -1,
         false},
        {QStringLiteral("table open+filter+walk, 2,000 records"), ms("tableOnDisk/2000"), -1,
         QStringLiteral("ms"), -1, false},
        {QStringLiteral("table open+filter+walk, 20,000 records"), ms("tableOnDisk/20000"), -1,
         QStringLiteral("ms"), 20, false},
        {QStringLiteral("table open+filter+walk, 200,000 records"), ms("tableOnDisk/200000"), -1,
         QStringLiteral("ms"), -1, false},
        // Linear growth: ten times the records costs at most 11 times the time.
        {QStringLiteral("table growth 20,000 -> 200,000 records"),
         ratioOf(ms("tableOnDisk/200000"), ms("tableOnDisk/20000")), -1, QStringLiteral("x"), 11,
         false},
        {QStringLiteral("table growth 2,000 -> 20,000 records"),
         ratioOf(ms("tableOnDisk/20000"), ms("tableOnDisk/2000")), -1, QStringLiteral("x"), 11,
         false},
        {QStringLiteral("progress page with the signs, 200,000 entries"),
         ms("memoryProgressPage/200000"), -1, QStringLiteral("ms"), 50, false},
        {QStringLiteral("progress page growth 20,000 -> 200,000 entries"),
         ratioOf(ms("memoryProgressPage/200000"), ms("memoryProgressPage/20000")), -1,
         QStringLiteral("x"), 11, false},
        {QStringLiteral("today's review chosen, 200,000 entries"), ms("memoryTodayChoice/200000"),
         -1, QStringLiteral("ms"), 50, false},
        {QStringLiteral("today's review growth 20,000 -> 200,000 entries"),
         ratioOf(ms("memoryTodayChoice/200000"), ms("memoryTodayChoice/20000")), -1,
         QStringLiteral("x"), 11, false},
        {QStringLiteral("practice sheet (PEF and BRF), 200,000 entries"),
         ms("memorySheet/200000"), -1, QStringLiteral("ms"), 50, false},
        {QStringLiteral("practice sheet growth 20,000 -> 200,000 entries"),
         ratioOf(ms("memorySheet/200000"), ms("memorySheet/20000")), -1, QStringLiteral("x"), 11,
         false},
    };

    // A figure that could not be measured is a failure of the benchmark, and said so.
    const auto number = [](double value, int decimals) {
        return value < 0 ? QStringLiteral("FAILED") : QString::number(value, 'f', decimals);
    };
    out << "\n| figure | program | baseline | ratio | target | holds |\n";
    out << "|---|---|---|---|---|---|\n";
    bool allHold = !failed;
    for (const Row &row : rows) {
        const int decimals = row.unit == QLatin1String("us") ? 2 : 1;
        const bool hasBaseline = row.baseline >= 0;
        const double ratio = ratioOf(row.value < 0 ? -1 : row.value - row.allowance,
                                     hasBaseline ? row.baseline : -1);
        if (row.value < 0 || (hasBaseline && row.baseline <= 0))
            allHold = false;
        QString target = QStringLiteral("-");
        QString holds = QStringLiteral("-");
        if (row.target >= 0) {
            const double measured = row.ratioTarget ? ratio : row.value;
            target = row.ratioTarget ? QStringLiteral("<= %1 x").arg(row.target)
                                     : QStringLiteral("<= %1 %2").arg(row.target).arg(row.unit);
            const bool ok = measured >= 0 && measured <= row.target;
            holds = ok ? QStringLiteral("yes") : QStringLiteral("NO");
            allHold &= ok;
        }
        out << "| " << row.figure << " | " << number(row.value, decimals) << ' ' << row.unit
            << " | " << (hasBaseline ? number(row.baseline, decimals) + ' ' + row.unit : "-")
            << " | " << (hasBaseline ? number(ratio, 2) : QStringLiteral("-")) << " | " << target
            << " | " << holds << " |\n";
    }
    out << "\nbaselines: a bare QWebEngineView loading html/fr1.htm from process start, and "
           "navigating between two local lesson pages (median of "
        << bare.value(QStringLiteral("nav_ms")).size() << ")\n";
    out << "medians of " << runs
        << " runs each; exercise pages: " << program.value(QStringLiteral("first_ms")).size()
        << " first, " << program.value(QStringLiteral("next_ms")).size() << " next, "
        << program.value(QStringLiteral("results_ms")).size() << " results\n";
    out << "load average before: " << loadBefore << ", after: " << loadAfter << ", "
        << QThread::idealThreadCount() << " cores\n";
    if (failed)
        out << "FAILED: some runs did not finish: see the messages above\n";
    else if (!allHold)
        out << "FAILED: a figure misses its target or could not be measured\n";
    return allHold ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "bare")
        return runBare(argc, argv);
    if (mode == "program")
        return runProgram(argc, argv);
    if (mode == "clip" && argc > 2) { // the short clip, to try it alone
        QFile file(QString::fromLocal8Bit(argv[2]));
        return file.open(QIODevice::WriteOnly) && file.write(shortClip()) > 0 ? 0 : 1;
    }
    if (mode == "report")
        return runReport(argc, argv);
    std::fprintf(stderr, "usage: bench_ui report SOURCE_DIR BENCH_CORE [RUNS]\n"
                         "       bench_ui bare PAGE1 PAGE2 NAVIGATIONS\n"
                         "       bench_ui program COURSE_DIR\n");
    return 2;
}
