-- Run after editors/README.md's Neovim 0.7 lines: opens ZOLT_SOURCE, waits
-- for its diagnostics, asks the server for the inlay hints of every line and
-- writes them to ZOLT_HINTS, one "LINE LABEL" a line (LINE 1-based), after a
-- first line "diagnostics N".
local published
local on_publish = vim.lsp.handlers['textDocument/publishDiagnostics']
vim.lsp.handlers['textDocument/publishDiagnostics'] = function(err, result, ctx, config)
  published = #result.diagnostics
  return on_publish(err, result, ctx, config)
end

vim.cmd('edit ' .. vim.fn.fnameescape(vim.env.ZOLT_SOURCE))
local lines = {}
if not vim.wait(10000, function() return published ~= nil end) then
  lines = { 'no diagnostics within 10 s' }
else
  table.insert(lines, 'diagnostics ' .. published)
  local params = {
    textDocument = vim.lsp.util.make_text_document_params(),
    range = {
      start = { line = 0, character = 0 },
      ['end'] = { line = vim.api.nvim_buf_line_count(0), character = 0 },
    },
  }
  local replies = vim.lsp.buf_request_sync(0, 'textDocument/inlayHint', params, 10000) or {}
  for _, reply in pairs(replies) do
    for _, hint in ipairs(reply.result or {}) do
      table.insert(lines, (hint.position.line + 1) .. ' ' .. hint.label)
    end
  end
end
vim.fn.writefile(lines, vim.env.ZOLT_HINTS)
vim.cmd('qall!')
