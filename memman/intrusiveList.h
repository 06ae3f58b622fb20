// The doubly linked lists whose nodes carry their own previous and next pointers (pool pages,
// slabs), reached through the head pointer of the list.
#pragma once

// node becomes the first of the list.
template <class nodeT>
void pushToListFront(nodeT*& head, nodeT* node) {
  node->previous = nullptr;
  node->next = head;
  if (head) head->previous = node;
  head = node;
}

// node leaves the list, its links cleared.
template <class nodeT>
void unlinkFromList(nodeT*& head, nodeT* node) {
  if (node->previous) node->previous->next = node->next;
  else head = node->next;
  if (node->next) node->next->previous = node->previous;
  node->next = nullptr;
  node->previous = nullptr;
}
