#include "string_table.h"

QString LoadStringResource(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return QStringLiteral("关于 磁条读写器演示程序(&A)...");
        default:
            return {};
    }
}
