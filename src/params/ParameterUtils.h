// Small text helpers of the parameter model.
#pragma once

// A new 4-byte text with the decimal of floatToInt(f); the caller frees it with delete[].
char* floatTo8bitDec(float f);
// Decimal value of a text of at most 10 digits; 0 for null, empty or any non-digit.
int portable_atoi(const char* text);
// Writes the decimal digits of a non-negative number and a terminating zero.
void portable_itoa(int value, char* buffer);
// Reverses a text in place.
void reverse_str(char* text);
