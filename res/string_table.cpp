#include "string_table.h"

#include <QCoreApplication>

QString LoadStringResource(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return QCoreApplication::translate("StringTable", "关于 磁条读写器演示程序(&A)...");
        default:
            return {};
    }
}
