// The launcher's JNI call sequences against the machine's real VM, created
// once for the whole program the way the launcher creates it. The tests
// look at the results through the JDK's own header.
#include <jni.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "launch/launcher_context.h"
#include "support/temp_folder.h"
#include "vmhost/exception_report.h"
#include "vmhost/java_strings.h"
#include "vmhost/output_redirection.h"
#include "vmhost/vm_creation.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_thread.h"

namespace {

LauncherContext* theContext = nullptr;

jni::JNIEnv* launcherEnv()
{
    return theContext->jniEnv;
}

::JNIEnv* env()
{
    return reinterpret_cast<::JNIEnv*>(theContext->jniEnv);
}

std::string utfText(jobject text)
{
    const char* characters = env()->GetStringUTFChars(static_cast<jstring>(text), nullptr);
    std::string copy(characters);
    env()->ReleaseStringUTFChars(static_cast<jstring>(text), characters);
    return copy;
}

jobject ours(jni::jobject object)
{
    return reinterpret_cast<jobject>(object);
}

TEST(PlatformString, CarriesTheTextsBytes)
{
    // The VM runs with UTF-8 as its default character set, as the host's
    // narrow text is.
    for (const std::string text : {"", "plain", "two words", "gr\xc3\xb6\xc3\x9f" "e", "\xe6\x97\xa5\xe6\x9c\xac"}) {
        jobject string = ours(newPlatformString(launcherEnv(), text));
        ASSERT_NE(string, nullptr) << text;
        EXPECT_EQ(utfText(string), text);
        env()->DeleteLocalRef(string);
    }
}

TEST(StringArray, HoldsTheEntriesInOrderAndIsNeverNull)
{
    jclass arrays = env()->FindClass("java/util/Arrays");
    jmethodID toString = env()->GetStaticMethodID(arrays, "toString", "([Ljava/lang/Object;)Ljava/lang/String;");
    ASSERT_NE(toString, nullptr);
    struct Case {
        StringList list;
        const char* shown;
    };
    for (const Case& c : {Case{{}, "[]"}, Case{{"a"}, "[a]"}, Case{{"b", "", "two words", "a"}, "[b, , two words, a]"}}) {
        jobject array = ours(newStringArray(launcherEnv(), c.list));
        ASSERT_NE(array, nullptr);
        EXPECT_EQ(env()->GetArrayLength(static_cast<jarray>(array)), static_cast<jsize>(c.list.size()));
        jobject shown = env()->CallStaticObjectMethod(arrays, toString, array);
        EXPECT_EQ(utfText(shown), c.shown);
    }
}

jthrowable newException(const char* className, const char* message)
{
    jclass type = env()->FindClass(className);
    jmethodID constructor = env()->GetMethodID(type, "<init>", "(Ljava/lang/String;)V");
    return static_cast<jthrowable>(env()->NewObject(type, constructor, env()->NewStringUTF(message)));
}

TEST(ExceptionReport, IsTheExceptionsOwnStackTrace)
{
    jthrowable exception = newException("java/lang/IllegalStateException", "checked \xc3\xa4 here");
    std::string report = exceptionReportText(launcherEnv(), reinterpret_cast<jni::jthrowable>(exception));
    EXPECT_EQ(report.rfind("java.lang.IllegalStateException: checked \xc3\xa4 here", 0), 0u) << report;
    EXPECT_EQ(report.back(), '\n');
    EXPECT_FALSE(env()->ExceptionCheck());
}

TEST(ExceptionReport, LeavesTheDecisionToContinue)
{
    jthrowable exception = newException("java/lang/RuntimeException", "boom");
    EXPECT_EQ(failureCheckDecision(*theContext, reinterpret_cast<jni::jthrowable>(exception), launcherEnv()),
              FailureDecision::continueRunning);
}

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void printLine(const char* stream, const char* line)
{
    jclass system = env()->FindClass("java/lang/System");
    jfieldID field = env()->GetStaticFieldID(system, stream, "Ljava/io/PrintStream;");
    jobject printStream = env()->GetStaticObjectField(system, field);
    jmethodID println = env()->GetMethodID(env()->GetObjectClass(printStream), "println", "(Ljava/lang/String;)V");
    env()->CallVoidMethod(printStream, println, env()->NewStringUTF(line));
    jmethodID flush = env()->GetMethodID(env()->GetObjectClass(printStream), "flush", "()V");
    env()->CallVoidMethod(printStream, flush);
}

TEST(StreamRedirection, SendsEachStreamToAFreshFile)
{
    TempFolder folder;
    std::string output = folder.writeFile("out.txt", "an earlier run's text, longer than the new one\n");
    std::string error = folder.file("err.txt");

    ASSERT_TRUE(redirectStream(*theContext, output, StandardStream::output));
    EXPECT_EQ(fileText(output), "");
    ASSERT_TRUE(redirectStream(*theContext, error, StandardStream::error));
    printLine("out", "to the output");
    printLine("err", "to the error stream");

    EXPECT_EQ(fileText(output), "to the output\n");
    EXPECT_EQ(fileText(error), "to the error stream\n");
}

TEST(StreamRedirection, AFileThatCannotBeMadeLeavesTheExceptionPending)
{
    TempFolder folder;
    std::string inMissingFolder = folder.file("no-such-folder") + "/out.txt";
    EXPECT_FALSE(redirectStream(*theContext, inMissingFolder, StandardStream::output));
    jthrowable pending = env()->ExceptionOccurred();
    ASSERT_NE(pending, nullptr);
    env()->ExceptionClear();
    EXPECT_TRUE(env()->IsInstanceOf(pending, env()->FindClass("java/io/FileNotFoundException")));
}

// The 1.1 record is long gone from the JDK's header; the VM still fills
// its stack-size field, and a misplaced field would read as 0 or garbage.
TEST(DefaultStackSize, IsTheVmsThreadStackSize)
{
    std::uint32_t size = defaultStackSize(*theContext);
    EXPECT_GE(size, 256u * 1024);
    EXPECT_LE(size, 16u * 1024 * 1024);
    EXPECT_EQ(size % 4096, 0u);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    LauncherContext context;
    context.jvmLibraryPath = TARN_TEST_JVM_LIBRARY;
    context.vmOptions = {"-Djava.class.path=.", "-Dfile.encoding=UTF-8", "-Xmx64m"};
    if (!loadVmLibrary(context) || !createVm(context)) {
        return 1;
    }
    theContext = &context;
    return RUN_ALL_TESTS();
}
