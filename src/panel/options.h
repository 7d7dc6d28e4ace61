// The three placement boxes exclude each other.
#pragma once

struct Form1;

void chkLowerRight_Click(Form1& f);
void chkRandomize_Click(Form1& f);
void chkUpperRight_Click(Form1& f);
