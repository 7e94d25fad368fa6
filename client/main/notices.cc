#include "client/main/notices.h"

NoticeText GetNoticeText(Notice notice) {
  switch (notice) {
    case Notice::kClientOutdated:
      return {L"ZTV - Client Outdated",
              L"This client version is too old. Please download new version "
              L"of the Client."};
    case Notice::kUpdateError:
      return {L"ZTV - Error",
              L"An error occured during the update, please restart the "
              L"application."};
    case Notice::kUpdate:
      return {L"ZTV - Client Update",
              L"Client was closed due to update. Please restart the "
              L"application."};
  }
  return {L"", L""};
}
