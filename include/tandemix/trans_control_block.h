/* The record Tandemix shares with the Messenger translation plug-in.
 *
 * Tandemix writes it, the plug-in reads it; nothing else travels between them.
 * Layout, mapping name and on-mark are a contract: change nothing here. */
#ifndef TANDEMIX_TRANS_CONTROL_BLOCK_H
#define TANDEMIX_TRANS_CONTROL_BLOCK_H

#include <stddef.h>
#include <stdint.h>

/* Default namespace, no "Local\" or "Global\" prefix. */
#define TRANS_MAPPING_NAME "{AA100B64-367D-4F14-BA95-50B9B6D5409E}"
#define TRANS_ON_MARK 0x02132141u
#define TRANS_TEXT_FIELD_SIZE 513 /* at most 512 bytes of ANSI text and a NUL */

typedef struct TransControlBlock {
  uint32_t TransState;     /* TRANS_ON_MARK while translation is on; anything else is off */
  uint32_t OwnerProcessId; /* process id of the Tandemix that owns the block */
  char OwnerExeName[TRANS_TEXT_FIELD_SIZE];
  uint8_t Padding1[3]; /* never written */
  int32_t TransTimeOut;
  int32_t Reserved; /* always 0 */
  uint8_t NeedConfirm;
  uint8_t AutoRead;
  uint8_t SaveHistory;
  char TransHostName[TRANS_TEXT_FIELD_SIZE];
  char SendLang[TRANS_TEXT_FIELD_SIZE];
  char RecvLang[TRANS_TEXT_FIELD_SIZE];
  uint8_t Padding2[2]; /* never written */
} TransControlBlock;

/* Layout checks at compile time, in C++, in C11 and in the C89 a plug-in may be built as. */
#if defined(__cplusplus)
#define TANDEMIX_STATIC_ASSERT(cond, name) static_assert(cond, #name)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define TANDEMIX_STATIC_ASSERT(cond, name) _Static_assert(cond, #name)
#else
/* Before C11: an array of negative size does not compile. */
#define TANDEMIX_STATIC_ASSERT(cond, name) typedef char TandemixLayout_##name[(cond) ? 1 : -1]
#endif

TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, TransState) == 0, TransState);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, OwnerProcessId) == 4, OwnerProcessId);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, OwnerExeName) == 8, OwnerExeName);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, Padding1) == 521, Padding1);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, TransTimeOut) == 524, TransTimeOut);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, Reserved) == 528, Reserved);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, NeedConfirm) == 532, NeedConfirm);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, AutoRead) == 533, AutoRead);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, SaveHistory) == 534, SaveHistory);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, TransHostName) == 535, TransHostName);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, SendLang) == 1048, SendLang);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, RecvLang) == 1561, RecvLang);
TANDEMIX_STATIC_ASSERT(offsetof(TransControlBlock, Padding2) == 2074, Padding2);
TANDEMIX_STATIC_ASSERT(sizeof(TransControlBlock) == 2076, Size);

#endif
