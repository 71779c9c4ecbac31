#pragma once
// Matrix text as researchers paste it from a statistics package: three-decimal loadings, tab
// separated, one row a line, the largest size Quorvane takes by default.
#include <cstdio>
#include <random>
#include <string>

constexpr int kVariables = 99;
constexpr int kFactors = 10;

inline std::string LoadingsText(int rows, int columns, const char* lineEnd = "\r\n") {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> loading(-0.99, 0.99);
    std::string text;
    char number[16];
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::snprintf(number, sizeof number, "%.3f", loading(random));
            text += number;
            text += column + 1 < columns ? "\t" : lineEnd;
        }
    }
    return text;
}
