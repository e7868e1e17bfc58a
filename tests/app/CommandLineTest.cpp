// The program's command line, and a second start that hands its file over.
#include <QDir>

#include "MainWindowFixture.h"
#include "Programs.h"
#include "app/CommandLine.h"
#include "platform/qt/InstanceChannel.h"
#include "platform/qt/QtPlatform.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

TEST(CommandLine, ReadsTheOptionsAndOneWorkfile) {
  const QString here = QDir::currentPath();
  const struct {
    QStringList arguments;
    bool help, version;
    std::optional<QString> workfile;
    bool error;
  } cases[] = {
      {{}, false, false, std::nullopt, false},
      {{"--help"}, true, false, std::nullopt, false},
      {{"-v"}, false, true, std::nullopt, false},
      {{"bikes.qln"}, false, false, here + "/bikes.qln", false},
      {{"/tmp/a b.qln"}, false, false, "/tmp/a b.qln", false},
      {{"-platform", "offscreen", "x.qln"}, false, false, here + "/x.qln", false},
      {{"-session", "10d2c4e5f6", "x.qln"}, false, false, here + "/x.qln", false},
      {{"--session", "10d2c4e5f6"}, false, false, std::nullopt, false},
      {{"--", "-odd.qln"}, false, false, here + "/-odd.qln", false},
      {{"--bogus"}, false, false, std::nullopt, true},
      {{"a.qln", "b.qln"}, false, false, here + "/a.qln", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.help, c.help);
    EXPECT_EQ(line.version, c.version);
    EXPECT_EQ(line.workfile, c.workfile);
    EXPECT_EQ(!line.error.isEmpty(), c.error);
  }
}

TEST(CommandLine, HelpVersionAndAnUnknownOptionAnswerWithoutAWindow) {
  const struct {
    QString argument;
    int status;
    QByteArray out;  // what standard output starts with
    QByteArray err;  // what standard error starts with
  } cases[] = {
      {"--version", 0, "Quillane 1.01\n", ""},
      {"--help", 0, "Usage: quillane [OPTION] [FILE]\n", ""},
      {"--bogus", 2, "", "quillane: unknown option --bogus\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument.toStdString());
    QProcess run;  // no display needed
    StartProgram(run, QStringLiteral(QUILLANE_PROGRAM), {c.argument},
                 {{QStringLiteral("DISPLAY"), {}}, {QStringLiteral("QT_QPA_PLATFORM"), {}}});
    ASSERT_TRUE(run.waitForFinished(10000));
    EXPECT_EQ(run.exitCode(), c.status);
    const QByteArray out = run.readAllStandardOutput();
    const QByteArray err = run.readAllStandardError();
    EXPECT_TRUE(out.startsWith(c.out)) << out.toStdString();
    EXPECT_TRUE(err.startsWith(c.err)) << err.toStdString();
    if (c.argument == QLatin1String("--help")) {
      for (const char* listed : {"FILE", "--help", "--version"}) EXPECT_TRUE(out.contains(listed)) << listed;
    }
  }
}

using StartFileTest = MainWindowTest;

TEST_F(StartFileTest, AWorkfileOnTheCommandLineOpensOnceStarted) {
  QDir::setCurrent(folder.path());
  const CommandLine line = ParseCommandLine({QStringLiteral("bikes.qln")});
  WriteWorkfile("bikes.qln", "Quieter bikes");
  ASSERT_TRUE(line.workfile);
  window->OpenWorkfileAt(*line.workfile);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Quieter bikes"));
  EXPECT_EQ(parts.document.workfile(), folder.filePath(QStringLiteral("bikes.qln")));

  // One that cannot be opened gets Open's message; the program goes on.
  platform.AnswerNext(Answer::Ok);
  window->OpenWorkfileAt(folder.filePath(QStringLiteral("missing.qln")));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("missing.qln")));
  EXPECT_EQ(ended, 0);
}

TEST_F(StartFileTest, ASecondStartHandsItsFileToTheRunningProgramAndEnds) {
  // This test is the running program: it holds the lock and listens.
  const PrivateRuntime runtime;
  QtPlatform running;
  ASSERT_EQ(running.AcquireSingleInstance(), SingleInstance::Acquired);
  InstanceServer server;
  ASSERT_TRUE(server.Listen(InstanceServerName().value()));
  window->FollowSecondStarts(server);
  QProcess second;
  StartProgram(second, QStringLiteral(QUILLANE_PROGRAM), {WriteWorkfile("bikes.qln", "Handed over")});
  ASSERT_TRUE(second.waitForStarted());
  QElapsedTimer waited;
  waited.start();
  while ((second.state() != QProcess::NotRunning || parts.document.content().sGoal.isEmpty()) &&
         waited.elapsed() < 15000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    second.waitForFinished(50);
  }
  EXPECT_EQ(second.state(), QProcess::NotRunning) << "the second start ends by itself, with no window";
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Handed over"));
}

TEST(CommandLine, TheProgramThePackageAndTheStoreEntryShowOneVersion) {
  EXPECT_EQ(VersionLine(), QStringLiteral("Quillane ") + QStringLiteral(QUILLANE_PACKAGE_VERSION) + u'\n');
  QFile store(QStringLiteral(QUILLANE_SOURCE_DIR "/../packaging/io.github.quillane.Quillane.metainfo.xml"));
  ASSERT_TRUE(store.open(QIODevice::ReadOnly));
  EXPECT_TRUE(store.readAll().contains("<release version=\"" QUILLANE_PACKAGE_VERSION "\""));
}

TEST(InstanceChannel, AnyNameTravelsWholeAsOneLine) {
  for (const InstanceRequest& request :
       {InstanceRequest{}, InstanceRequest{QStringLiteral("/home/ann/my bikes.qln")},
        InstanceRequest{QStringLiteral("/tmp/two\nlines\r\tand 100%25.qln")},
        InstanceRequest{QStringLiteral("/home/ann/\u0141\u00f3d\u017a \u03b1\u03b2.qln")}}) {
    const QByteArray line = EncodeInstanceRequest(request);
    EXPECT_EQ(line.count('\n'), 1);
    EXPECT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(DecodeInstanceRequest(line), request);
  }
  EXPECT_EQ(DecodeInstanceRequest("open\t\n"), std::nullopt);
  EXPECT_EQ(DecodeInstanceRequest("open\t%00x\n"), std::nullopt);
  EXPECT_EQ(DecodeInstanceRequest("shutdown\n"), std::nullopt);
}

TEST(InstanceChannel, ASecondStartThatReachesNobodySaysSoAndRunsOnItsOwn) {
  const PrivateRuntime runtime;
  QtPlatform holder;  // holds the lock and never answers
  ASSERT_EQ(holder.AcquireSingleInstance(), SingleInstance::Acquired);

  QProcess second;
  StartProgram(second, QStringLiteral(QUILLANE_PROGRAM), {},
               {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
                {QStringLiteral("XDG_CONFIG_HOME"), runtime.path()},
                {QStringLiteral("XDG_DATA_HOME"), runtime.path()}});
  ASSERT_TRUE(second.waitForStarted());
  const QByteArray said = ReadUntil(second, QProcess::StandardError, "\n", 15000);
  const bool stillRunning = second.state() == QProcess::Running;
  second.kill();
  second.waitForFinished();
  EXPECT_TRUE(said.contains(Text(3120).toLocal8Bit())) << said.toStdString();
  EXPECT_TRUE(stillRunning) << "it goes on, with its own window";
}

}  // namespace
}  // namespace quillane::test
