// A put that refuses its value. It ends the call with the error a value of the wrong type
// gives ("methode:<member>(Para:<n>)", "Object call failed"), but without the fallback to the
// object's default member: for a class whose default value answers another object, that
// object would take the value and report success while nothing stored changed.
#pragma once

class proxyAutoParaListC;

// argumentIndex counts from 0; the error names it from 1.
[[noreturn]] void refusePut(const char* member, int argumentIndex);

// The number argument at index when it is finite; NaN or an infinity refuses the put. An
// argument that is no number throws the cast exception as usual.
double finiteNumberOrRefusePut(proxyAutoParaListC& arguments, int index, const char* member);
