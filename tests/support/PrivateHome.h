#pragma once

// Gives the test process its own home, data, documents and configuration folders, so that
// nothing a test does (a diagnostic log line, a configuration file) reaches the real user's
// folders. Called first thing in main; the folders last until the process ends.
void UsePrivateHome();
