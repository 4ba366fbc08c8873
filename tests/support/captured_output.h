// What a piece of code writes to standard output, with the CR that a
// Windows console stream puts before each line feed taken out.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

template <typename Action>
std::string capturedStdout(Action action)
{
    testing::internal::CaptureStdout();
    action();
    std::fflush(stdout);
    std::string output = testing::internal::GetCapturedStdout();
    std::string::size_type position = 0;
    while ((position = output.find("\r\n", position)) != std::string::npos) {
        output.erase(position, 1);
    }
    return output;
}

// Message 210 as the error output prints it.
constexpr char kMainClassMissingLine[] = "Error: Main class was not specified in INI file. \n";
