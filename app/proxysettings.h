#pragma once

#include <QString>

// The proxy settings in force: the check state of chkProxy and the texts of
// the four proxy edits, passed on unchanged (the port is text, the password plain).
struct ProxySettings
{
    bool useProxy = false;
    QString host, port, login, password;
};
